#include "insegnanti/Rapporti.h"

#include "insegnanti/GrigliaPadronanza.h"
#include "insegnanti/Scala.h"
#include "insegnanti/SceltaPeriodo.h"
#include "insegnanti/StimeClasse.h"
#include "insegnanti/Testo.h"
#include "insegnanti/VistaBambino.h"
#include "insegnanti/VistaClasse.h"
#include "media/Testi.h"
#include "registro/DisegnoSimbolo.h"
#include "registro/Giochi.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

namespace Insegnanti {

namespace {
constexpr int LatoSimbolo = 64;

QString E(const QString& testo)
{
    return testo.toHtmlEscaped();
}

// A cell coloured by its share, with the count and the share in words.
QString Casella(const Registro::Conto& conto, const QString& testo)
{
    const std::optional<double> q = conto.quota();
    const QString sfondo = q ? QStringLiteral(" bgcolor=\"%1\"").arg(ColoreQuota(*q).name()) : QString();
    return QStringLiteral("<td align=\"center\"%1>%2</td>").arg(sfondo, testo);
}

// The title (after a picture, when given), the period and the day printed.
QString Intestazione(const QString& titolo, const QString& periodoInParole, const QString& figura = {})
{
    return Testo::tr("<h1>%1%2</h1><p>Periodo: %3. Stampato il %4.</p>")
        .arg(figura, E(titolo), E(periodoInParole),
             E(TestoGiorno(QDate::currentDate())));
}

// The symbol's picture, kept in the document under its key.
QString Simbolo(QTextDocument& documento, const QString& chiave, int lato)
{
    const Registro::Simbolo* s = Registro::TrovaSimbolo(chiave);
    if (!s)
        return {};
    const QUrl nome(QStringLiteral("simbolo:") + chiave);
    documento.addResource(QTextDocument::ImageResource, nome, Registro::ImmagineSimbolo(*s, LatoSimbolo));
    return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%2\"> ").arg(nome.toString()).arg(lato);
}

Resoconto Nuovo(const QString& titolo, bool orizzontale)
{
    Resoconto r{titolo, orizzontale, std::make_unique<QTextDocument>()};
    r.documento->setMetaInformation(QTextDocument::DocumentTitle, titolo);
    r.documento->setDefaultStyleSheet(QStringLiteral(
        "body { font-size: 10pt; } h1 { font-size: 16pt; } h2 { font-size: 12pt; }"
        "th { background-color: #e8e8e8; } td, th { padding: 3px; }"));
    return r;
}

const QString Tabella = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">");

// A level's word on its colour.
QString CasellaLivello(const Registro::Padronanza::Stima& stima)
{
    return QStringLiteral("<td align=\"center\" bgcolor=\"%1\">%2</td>")
        .arg(ColoreLivello(stima.livello()).name(), E(ParolaLivello(stima.livello())));
}

// The estimates given, or the register's own now.
Padronanze StimeDi(const Registro::Deposito& archivio, const Padronanze* stime)
{
    return stime ? *stime : PadronanzeDelRegistro(archivio);
}

// What each child of the class has learned: a row per child, a column per
// skill, each cell the level's word.
QString LivelliClasse(const QList<Registro::Bambino>& bambini, const Padronanze& stime)
{
    QString html = Testo::tr("<h2>Che cosa ha imparato ciascun bambino</h2>") + Tabella + Testo::tr("<tr><th>Bambino</th>");
    for (Registro::Padronanza::Abilita a : Registro::Padronanza::TutteLeAbilita)
        html += QStringLiteral("<th>%1</th>").arg(E(NomeAbilita(a)));
    html += QStringLiteral("</tr>");
    for (const Registro::Bambino& b : bambini) {
        html += QStringLiteral("<tr><td>%1</td>").arg(E(NomeRiga(b)));
        for (Registro::Padronanza::Abilita a : Registro::Padronanza::TutteLeAbilita)
            html += CasellaLivello(stime.stime.di(b.id, a));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// One child's level, estimate and first answers in each skill.
QString LivelliBambino(qint64 bambino, const Padronanze& stime)
{
    QString html = Testo::tr("<h2>Che cosa ha imparato</h2>") + Tabella
        + Testo::tr("<tr><th></th><th>livello</th><th>stima</th><th>risposte</th></tr>");
    for (Registro::Padronanza::Abilita a : Registro::Padronanza::TutteLeAbilita) {
        const Registro::Padronanza::Stima s = stime.stime.di(bambino, a);
        html += QStringLiteral("<tr><td>%1</td>%2<td align=\"center\">%3</td><td align=\"center\">%4</td></tr>")
                    .arg(E(NomeAbilita(a)), CasellaLivello(s), LocaleMostrata().toString(s.stima, 'f', 2))
                    .arg(s.risposte);
    }
    return html + QStringLiteral("</table>");
}
} // namespace

Resoconto ResocontoClasse(const Registro::Deposito& archivio, const Registro::Periodo& periodo,
                          const QString& periodoInParole, const Padronanze* stime)
{
    Resoconto r = Nuovo(Testo::tr("Tesselo: resoconto della classe"), true);
    QString html = Intestazione(r.titolo, periodoInParole)
        + Testo::tr("<p>In ogni casella: risposte esatte / errate e la quota di esatte.</p>") + Tabella
        + Testo::tr("<tr><th>Bambino</th>");
    for (const Registro::Gioco& g : Registro::Giochi())
        html += QStringLiteral("<th>%1</th>").arg(E(Testi::NomeGioco(g.didascalia)));
    html += QStringLiteral("</tr>");
    for (const Registro::RigaClasse& riga : RigheClasse(archivio, periodo)) {
        html += QStringLiteral("<tr><td>%1%2</td>")
                    .arg(Simbolo(*r.documento, riga.bambino.simbolo, 20), E(NomeRiga(riga.bambino)));
        for (const Registro::Conto& c : riga.perGioco)
            html += Casella(c, c.totale() ? TestoConto(c) + QStringLiteral("<br>") + TestoQuota(c) : TestoConto(c));
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    r.documento->setHtml(html + LivelliClasse(archivio.bambini(), StimeDi(archivio, stime)));
    return r;
}

Resoconto ResocontoBambino(const Registro::Deposito& archivio, qint64 id, const Registro::Periodo& periodo,
                           const QString& periodoInParole, const Padronanze* stime)
{
    const Registro::Bambino bambino = archivio.bambino(id).value_or(Registro::Bambino{});
    Resoconto r = Nuovo(Testo::tr("Tesselo: resoconto di %1").arg(bambino.nomeCompleto()), false);
    const Registro::SchedaBambino scheda = archivio.scheda(id, periodo);

    QString html = Intestazione(r.titolo, periodoInParole, Simbolo(*r.documento, bambino.simbolo, 32))
        + Testo::tr("<h2>Risposte esatte ed errate</h2>") + Tabella
        + Testo::tr("<tr><th></th><th>esatte</th><th>errate</th><th>quota esatte</th></tr>");
    for (const Registro::GruppoScheda& g : Registro::GruppiScheda()) {
        const Registro::Conto& c = scheda.*g.conto;
        html += QStringLiteral("<tr><td>%1</td><td align=\"center\">%2</td><td align=\"center\">%3</td>%4</tr>")
                    .arg(E(NomeGruppo(g)))
                    .arg(c.esatte)
                    .arg(c.errate)
                    .arg(Casella(c, TestoQuota(c)));
    }
    html += Testo::tr("</table><h2>Settimana per settimana (quota di risposte esatte)</h2>");
    if (scheda.settimane.isEmpty()) {
        html += Testo::tr("<p>Nessuna risposta nel periodo.</p>");
    } else {
        html += Tabella + Testo::tr("<tr><th>settimana dal</th>");
        for (const Registro::GruppoScheda& g : Registro::GruppiScheda())
            html += QStringLiteral("<th>%1</th>").arg(E(NomeGruppo(g)));
        html += QStringLiteral("</tr>");
        for (const Registro::SchedaBambino::Settimana& s : scheda.settimane) {
            html += QStringLiteral("<tr><td>%1</td>").arg(E(LocaleMostrata().toString(s.lunedi, Testo::tr("d MMM yyyy"))));
            for (const Registro::GruppoScheda& g : Registro::GruppiScheda())
                html += Casella(s.*g.conto, TestoQuota(s.*g.conto));
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    html += Testo::tr("<h2>Le domande sbagliate più spesso</h2>");
    if (scheda.piuSbagliati.isEmpty()) {
        html += Testo::tr("<p>Nessuna risposta errata nel periodo.</p>");
    } else {
        html += Tabella + Testo::tr("<tr><th>gioco</th><th>domanda</th><th>blocchi</th><th>volte</th></tr>");
        for (const Registro::SchedaBambino::Errore& e : scheda.piuSbagliati)
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td align=\"center\">%4</td></tr>")
                        .arg(E(Testi::NomeGioco(e.gioco.toUtf8().constData())), E(ParoleMostrate(e.domanda)), E(ParoleMostrate(e.blocchi)))
                        .arg(e.volte);
        html += QStringLiteral("</table>");
    }
    r.documento->setHtml(html + LivelliBambino(id, StimeDi(archivio, stime)));
    return r;
}

void Stampa(const Resoconto& resoconto, QPrinter& stampante)
{
    stampante.setDocName(resoconto.titolo);
    stampante.setPageOrientation(resoconto.orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait);
    resoconto.documento->print(&stampante);
}

bool ScriviPdf(const Resoconto& resoconto, const QString& file, QString& errore)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setOutputFileName(file);
    stampante.setCreator(QStringLiteral("Registro di Tesselo"));
    // QPrinter says nothing when it cannot write: the file itself tells.
    const QDateTime prima = QFileInfo(file).fileTime(QFileDevice::FileModificationTime);
    // Made first, readable by the teacher alone, so that the children's names
    // are never readable by others, not even while QPrinter writes into it
    // (it keeps the file's mode).
    QFile vuoto(file);
    const bool nuovo = !vuoto.exists();
    if (vuoto.open(QIODevice::WriteOnly | QIODevice::Append))
        vuoto.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    vuoto.close();
    Stampa(resoconto, stampante);
    const QFileInfo scritto(file);
    if (!scritto.isFile() || scritto.size() == 0 || scritto.fileTime(QFileDevice::FileModificationTime) == prima
        || !QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner)) {
        if (nuovo)
            QFile::remove(file);
        errore = Testo::tr("Il file %1 non si può scrivere.").arg(file);
        return false;
    }
    return true;
}

} // namespace Insegnanti
