#include "tests/support/Ambiente.h"

#include "app/Colori.h"
#include "app/Modulo1.h"
#include "screens/Programma.h"
#include "screens/Schermi.h"

#include <QCoreApplication>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QEvent>
#include <QTest>
#include <algorithm>

SuonoFinto& Ambiente::installaSuono()
{
    auto suono = std::make_unique<SuonoFinto>();
    SuonoFinto& riferimento = *suono;
    servizi().suono = std::move(suono);
    return riferimento;
}

CasoPilotato& Ambiente::installaCaso(std::uint64_t seme)
{
    auto caso = std::make_unique<CasoPilotato>(seme);
    CasoPilotato& riferimento = *caso;
    servizi().caso = std::move(caso);
    return riferimento;
}

Ambiente::Ambiente(std::uint64_t seme) : suono(installaSuono()), caso(installaCaso(seme))
{
    auto& s = servizi();
    s.cartellaApplicazione = QStringLiteral(TESSELO_APP_DIR);
    s.messaggio = [this](const QString& testo, int stile, const QString& titolo) {
        messaggi.append({testo, stile, titolo});
        if (stile != StileDomanda)
            return int(RispostaOk);
        if (risposte.empty())
            return int(RispostaNo);
        const int r = risposte.front();
        risposte.pop_front();
        return r;
    };
    s.termina = [this] {
        ++terminazioni;
        Schermi::ChiudiTutto();
    };
    s.beep = [this] { ++beep; };
    Modulo1::SuonoAttivo = true;
    Modulo1::ContatoreEsatti = Modulo1::ContatoreErrati = 0;
    Schermi::CreaTutti();
}

Ambiente::~Ambiente()
{
    Schermi::DistruggiTutti();
    Modulo1::Ridimensionatore.reset();
    SvuotaEventi();
}

void SvuotaEventi()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void GiocaConOgniSeme(IdSchermo id, int turni, const std::function<void(int turno)>& gioca)
{
    for (quint64 seme = 1; seme <= 60; ++seme) {
        Ambiente a(seme);
        Schermi::Mostra(id);
        for (int turno = 0; turno < turni && !QTest::currentTestFailed(); ++turno) {
            QVERIFY(SfondoCasuale(id));
            gioca(turno);
        }
        if (QTest::currentTestFailed()) {
            qWarning("seed %llu", static_cast<unsigned long long>(seme));
            return;
        }
    }
}

bool SfondoCasuale(IdSchermo id)
{
    const quint32 sfondo = ValoreColore(Schermi::Trova(id)->finestra()->sfondo());
    return std::find(Modulo1::Palette.begin() + 1, Modulo1::Palette.end(), sfondo) != Modulo1::Palette.end();
}

QRect NellaFinestra(IdSchermo id, const QString& nome)
{
    QWidget* w = Ctl(id, nome);
    return QRect(w->mapTo(Schermi::Trova(id)->finestra()->superficie(), QPoint()), w->size());
}

void Ridimensiona(IdSchermo id, QSize dimensione)
{
    Schermi::Trova(id)->finestra()->resize(dimensione);
    SvuotaEventi();
}

QAction* Voce(IdSchermo id, const QString& nome)
{
    for (QObject* o : Schermi::Trova(id)->finestra()->controlli())
        if (auto* azione = qobject_cast<QAction*>(o); azione && azione->objectName() == nome)
            return azione;
    qFatal("missing menu entry %s", qPrintable(nome));
}

MediaDistinti::MediaDistinti() : prima(servizi().cartellaApplicazione)
{
    const QDir origine(QStringLiteral(TESSELO_APP_DIR));
    QDir(copia.path()).mkpath(QStringLiteral("jpg"));
    // The block pictures and the sounds are only linked; the attribute
    // pictures are copied.
    for (const QString& colore : Parole::Colori)
        QFile::link(origine.filePath("jpg/" + colore), copia.filePath("jpg/" + colore));
    QFile::link(origine.filePath(QStringLiteral("suoni")), copia.filePath(QStringLiteral("suoni")));
    for (const QString& nome : QDir(origine.filePath("jpg")).entryList({QStringLiteral("*.jpg")}, QDir::Files))
        QFile::copy(origine.filePath("jpg/" + nome), copia.filePath("jpg/" + nome));
    QImage rotondo(200, 200, QImage::Format_RGB32);
    rotondo.fill(QColor(200, 0, 200));
    if (!rotondo.save(copia.filePath(QStringLiteral("jpg/rotondo.jpg")), "JPG", 95))
        qFatal("cannot write the test media");
    servizi().cartellaApplicazione = copia.path();
}

MediaDistinti::~MediaDistinti()
{
    servizi().cartellaApplicazione = prima;
}
