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
#include <QGuiApplication>
#include <QScreen>
#include <QPageLayout>
#include <QPrinter>
#include <QTextDocument>
#include <QAbstractTextDocumentLayout>
#include <QTextFrame>
#include <QTextTable>
#include <limits>
#include <QUrl>

namespace Insegnanti {

namespace {
constexpr int LatoSimbolo = 64;

QString E(const QString& testo)
{
    return testo.toHtmlEscaped();
}

// The grey of a share from few answers, as on the screen.
const QString GrigioPoche = QStringLiteral("#707070");

// A cell coloured by its share; a share from few answers in grey italics,
// without colour.
QString Casella(const Registro::Conto& conto, const QString& testo)
{
    if (PocheRisposte(conto))
        return QStringLiteral("<td align=\"center\"><i><font color=\"%1\">%2</font></i></td>").arg(GrigioPoche, testo);
    const std::optional<double> q = conto.quota();
    const QString sfondo = q ? QStringLiteral(" bgcolor=\"%1\"").arg(ColoreQuota(*q).name()) : QString();
    return QStringLiteral("<td align=\"center\"%1>%2</td>").arg(sfondo, testo);
}

// A class cell: the share, the counts beneath, and the retries.
QString CasellaClasse(const Registro::Conto& conto)
{
    QString testo = conto.totale() ? E(TestoQuota(conto)) + QStringLiteral("<br>") + E(TestoRisposte(conto))
                                   : E(TestoConto(conto));
    if (conto.riprove > 0)
        testo += QStringLiteral("<br>") + E(Testo::conta("+%n riprove", "", conto.riprove));
    return Casella(conto, testo);
}

// Every table's first row is its header, printed again at the top of each
// page the table runs onto.
void IntestazioniRipetute(QTextDocument& documento)
{
    for (QTextFrame* f : documento.rootFrame()->childFrames())
        if (auto* tabella = qobject_cast<QTextTable*>(f)) {
            QTextTableFormat formato = tabella->format();
            formato.setHeaderRowCount(1);
            tabella->setFormat(formato);
        }
}

// A table's opening tag that starts a new page.
QString NuovaPagina(QString tabella)
{
    return tabella.replace(QStringLiteral("<table "), QStringLiteral("<table style=\"page-break-before: always\" "));
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
    Resoconto r{titolo, orizzontale, std::make_unique<QTextDocument>(), {}};
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
// skill, each cell the level's word; a new piece of the table, on a new
// page, at each row of inizi.
QString LivelliClasse(const QList<Registro::Bambino>& bambini, const Padronanze& stime, const QList<int>& inizi = {})
{
    QString intestazione = Testo::tr("<tr><th>Bambino</th>");
    for (Registro::Padronanza::Abilita a : Registro::Padronanza::TutteLeAbilita)
        intestazione += QStringLiteral("<th>%1</th>").arg(E(NomeAbilita(a)));
    intestazione += QStringLiteral("</tr>");
    QString html = Testo::tr("<h2>Che cosa ha imparato ciascun bambino</h2>");
    // A table cut at its first row starts, with its title, on a new page.
    if (inizi.contains(0))
        html.replace(QStringLiteral("<h2>"), QStringLiteral("<h2 style=\"page-break-before: always\">"));
    html += Tabella + intestazione;
    for (int r = 0; r < bambini.size(); ++r) {
        if (r > 0 && inizi.contains(r))
            html += QStringLiteral("</table>") + NuovaPagina(Tabella) + intestazione;
        html += QStringLiteral("<tr><td>%1</td>").arg(E(NomeRiga(bambini[r])));
        for (Registro::Padronanza::Abilita a : Registro::Padronanza::TutteLeAbilita)
            html += CasellaLivello(stime.stime.di(bambini[r].id, a));
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

namespace {

// The class report's document, its tables broken at the rows given:
// counted through the class's table, then through the levels'.
void ComponiClasse(QTextDocument& documento, const QString& titolo, const QList<Registro::RigaClasse>& righe,
                   const QList<Registro::Bambino>& bambini, const Padronanze& stime,
                   const QString& periodoInParole, const QList<int>& inizi)
{
    // The same widths in every piece of the table: the names a fifth, the
    // games the rest.
    const int larghezzaGioco = 80 / int(Registro::Giochi().size());
    QString intestazione = Testo::tr("<tr><th>Bambino</th>").replace(QStringLiteral("<th>"),
                                                                      QStringLiteral("<th width=\"20%\">"));
    for (const Registro::Gioco& g : Registro::Giochi())
        intestazione += QStringLiteral("<th width=\"%1%\">%2</th>").arg(larghezzaGioco).arg(E(Testi::NomeGioco(g.didascalia)));
    intestazione += QStringLiteral("</tr>");
    QString html = Intestazione(titolo, periodoInParole)
        + Testo::conta("<p>In ogni casella: la quota di risposte esatte, poi quante esatte (✓) e quante errate (✗), "
                       "contando la prima risposta di ogni turno, e le riprove dopo un errore. In grigio corsivo, "
                       "senza colore, una quota di meno di %n risposte.</p>",
                       "", Registro::Padronanza::MinimoRisposte)
        + Tabella + intestazione;
    for (int r = 0; r < righe.size(); ++r) {
        if (inizi.contains(r))
            html += QStringLiteral("</table>") + NuovaPagina(Tabella) + intestazione;
        const Registro::RigaClasse& riga = righe[r];
        html += QStringLiteral("<tr><td>%1%2</td>")
                    .arg(Simbolo(documento, riga.bambino.simbolo, 20), E(NomeRiga(riga.bambino)));
        for (const Registro::Conto& c : riga.perGioco)
            html += CasellaClasse(c);
        html += QStringLiteral("</tr>");
    }
    QList<int> iniziLivelli;
    for (int i : inizi)
        if (i >= righe.size())
            iniziLivelli.append(i - int(righe.size()));
    documento.setHtml(html + QStringLiteral("</table>") + LivelliClasse(bambini, stime, iniziLivelli));
    IntestazioniRipetute(documento);
}

} // namespace

Resoconto ResocontoClasse(const Registro::Deposito& archivio, const Registro::Periodo& periodo,
                          const QString& periodoInParole, const Padronanze* stime)
{
    Resoconto r = Nuovo(Testo::tr("Tesselo: resoconto della classe"), true);
    r.spezza = [titolo = r.titolo, righe = RigheClasse(archivio, periodo), bambini = archivio.bambini(),
                livelli = StimeDi(archivio, stime), periodoInParole](QTextDocument& documento, const QList<int>& inizi) {
        ComponiClasse(documento, titolo, righe, bambini, livelli, periodoInParole, inizi);
    };
    r.spezza(*r.documento, {});
    return r;
}

Resoconto ResocontoBambino(const Registro::Deposito& archivio, qint64 id, const Registro::Periodo& periodo,
                           const QString& periodoInParole, const Padronanze* stime)
{
    const Registro::Bambino bambino = archivio.bambino(id).value_or(Registro::Bambino{});
    Resoconto r = Nuovo(Testo::tr("Tesselo: resoconto di %1").arg(bambino.nomeCompleto()), false);
    const Registro::SchedaBambino scheda = archivio.scheda(id, periodo);

    QString html = Intestazione(r.titolo, periodoInParole, Simbolo(*r.documento, bambino.simbolo, 32))
        + QStringLiteral("<p>%1</p>").arg(E(TestoTempo(scheda)))
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
        html += Tabella
            + Testo::tr("<tr><th>gioco</th><th>domanda</th><th>blocchi</th><th>volte</th><th>l'ultima risposta</th></tr>");
        for (const Registro::SchedaBambino::Errore& e : scheda.piuSbagliati)
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td align=\"center\">%4</td><td>%5</td></tr>")
                        .arg(E(Testi::NomeGioco(e.gioco.toUtf8().constData())), E(ParoleMostrate(e.domanda)), E(ParoleMostrate(e.blocchi)))
                        .arg(e.volte)
                        .arg(E(ParoleMostrate(e.risposta)));
        html += QStringLiteral("</table>");
    }
    r.documento->setHtml(html + LivelliBambino(id, StimeDi(archivio, stime)));
    IntestazioniRipetute(*r.documento);
    return r;
}

namespace {

// Where a table's row stands in the document laid out: its top and bottom.
std::pair<qreal, qreal> AltezzaRiga(const QAbstractTextDocumentLayout& disposizione, const QTextTable& tabella, int riga)
{
    qreal alto = std::numeric_limits<qreal>::max(), basso = std::numeric_limits<qreal>::lowest();
    for (int c = 0; c < tabella.columns(); ++c) {
        const QTextTableCell cella = tabella.cellAt(riga, c);
        const QTextBlock ultimo = cella.lastCursorPosition().block();
        for (QTextBlock b = cella.firstCursorPosition().block(); b.isValid(); b = b.next()) {
            const QRectF dove = disposizione.blockBoundingRect(b);
            alto = std::min(alto, dove.top());
            basso = std::max(basso, dove.bottom());
            if (b == ultimo)
                break;
        }
    }
    return {alto, basso};
}

// The first row (counted across the document's tables, headers left out)
// that a page's end cuts, unless it is taller than half a page.
std::optional<int> PrimaRigaTagliata(const QTextDocument& documento)
{
    const QAbstractTextDocumentLayout& disposizione = *documento.documentLayout();
    const qreal pagina = documento.pageSize().height();
    int contate = 0;
    for (QTextFrame* f : documento.rootFrame()->childFrames()) {
        const auto* tabella = qobject_cast<const QTextTable*>(f);
        if (!tabella)
            continue;
        for (int r = tabella->format().headerRowCount(); r < tabella->rows(); ++r, ++contate) {
            const auto [alto, basso] = AltezzaRiga(disposizione, *tabella, r);
            if (int(alto / pagina) != int((basso - 1) / pagina) && basso - alto < pagina / 2)
                return contate;
        }
    }
    return std::nullopt;
}

// A report is printed on pages of its own: the document laid out on the
// printer's page, which QTextDocument::print then scales onto the paper.
// Qt cuts a table's row where a page ends; a report that can break its
// table (Resoconto::spezza) starts a new piece of it, on a new page, at
// each row that would be cut, until none is.
void Impagina(const Resoconto& resoconto, QPrinter& stampante)
{
    if (stampante.pageLayout().margins(QPageLayout::Millimeter).isNull())
        stampante.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    // The document's own units: pixels of the screen's logical resolution,
    // which print() scales from.
    const QScreen* schermo = QGuiApplication::primaryScreen();
    const qreal dpi = schermo ? schermo->logicalDotsPerInchY() : 96;
    QTextDocument& documento = *resoconto.documento;
    documento.setPageSize(stampante.pageLayout().paintRectPoints().size().toSizeF() * (dpi / 72));
    if (!resoconto.spezza)
        return;
    QList<int> inizi;
    while (const std::optional<int> tagliata = PrimaRigaTagliata(documento)) {
        // A row cut at the top of a piece stays: it would be cut anywhere.
        if (inizi.contains(*tagliata) || *tagliata == 0)
            break;
        inizi.append(*tagliata);
        resoconto.spezza(documento, inizi);
    }
}

} // namespace

void Stampa(const Resoconto& resoconto, QPrinter& stampante)
{
    stampante.setDocName(resoconto.titolo);
    stampante.setPageOrientation(resoconto.orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait);
    Impagina(resoconto, stampante);
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
