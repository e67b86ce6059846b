#include "insegnanti/Scala.h"

#include "comune/Stile.h"
#include "insegnanti/Ordinamento.h"
#include "insegnanti/Testo.h"
#include "media/Testi.h"
#include "registro/Padronanza.h"

#include <QGuiApplication>
#include <QPalette>

#include <QRegularExpression>
#include <QTableWidgetItem>
#include <cmath>

namespace Insegnanti {

QColor ColoreQuota(double quota)
{
    const double q = std::clamp(quota, 0.0, 1.0);
    // Hue 0 (red) to 120 (green) degrees through 60 (yellow); pale enough
    // for black text, saturated enough to tell the three apart at a glance.
    return QColor::fromHsvF(float(q / 3.0), 0.55f, 0.97f);
}

QString TestoConto(const Registro::Conto& conto)
{
    if (!conto.totale())
        return QStringLiteral("–");
    return Testo::tr("%1 · %2", "the share right, then the first answers right (✓) and wrong (✗)")
        .arg(TestoQuota(conto), TestoRisposte(conto));
}

QString TestoRisposte(const Registro::Conto& conto)
{
    // A count and its mark never part at the end of a line.
    return QStringLiteral("%1\u00A0✓ %2\u00A0✗").arg(conto.esatte).arg(conto.errate);
}

QString TestoQuota(const Registro::Conto& conto)
{
    const std::optional<double> q = conto.quota();
    return q ? QStringLiteral("%1%").arg(std::lround(*q * 100)) : QStringLiteral("–");
}

QString DescrizioneConto(const Registro::Conto& conto)
{
    if (!conto.totale())
        return Testo::tr("nessuna risposta");
    return Testo::tr("%1 e %2 (%3)")
        .arg(Testo::conta("%n esatte", "", conto.esatte), Testo::conta("%n errate", "", conto.errate), TestoQuota(conto));
}

QString DettaglioConto(const Registro::Conto& conto)
{
    QString testo = DescrizioneConto(conto);
    if (conto.riprove > 0)
        testo = Testo::tr("%1; %2").arg(testo, Testo::conta("%n riprove dopo un errore", "", conto.riprove));
    if (PocheRisposte(conto))
        testo = Testo::tr("%1 — poche risposte").arg(testo);
    return testo;
}

bool PocheRisposte(const Registro::Conto& conto)
{
    return conto.totale() > 0 && conto.totale() < Registro::Padronanza::MinimoRisposte;
}

QTableWidgetItem* VoceConto(const Registro::Conto& conto, const QString& testo)
{
    const std::optional<double> quota = conto.quota();
    QTableWidgetItem* voce = Ordinata(testo, quota ? QVariant(*quota) : QVariant());
    voce->setTextAlignment(Qt::AlignCenter);
    voce->setToolTip(DettaglioConto(conto));
    if (PocheRisposte(conto)) {
        QFont corsivo = voce->font();
        corsivo.setItalic(true);
        voce->setFont(corsivo);
        voce->setForeground(QGuiApplication::palette().color(QPalette::PlaceholderText));
    } else if (const std::optional<double> q = quota) {
        const QColor sfondo = ColoreQuota(*q);
        voce->setBackground(sfondo);
        voce->setForeground(InchiostroSu(sfondo));
    }
    return voce;
}

QString RisposteCancellate(int n)
{
    return Testo::conta("Verranno cancellate %n risposte", "", n);
}

namespace {

// One word the register keeps, in the language shown.
QString ParolaMostrata(const QString& parola)
{
    if (parola == u"e")
        return Testo::tr("e", "joins the conditions of one question: rosso e grande");
    if (parola == parola.toUpper() && parola != parola.toLower())
        return Testi::Maiuscola(parola.toLower());
    return Testi::Parola(parola);
}

} // namespace

QString ParoleMostrate(const QString& testo)
{
    // A word, or "NON" and the word it denies.
    static const QRegularExpression parola(QStringLiteral("\\bNON (\\p{L}+)|\\p{L}+"));
    QString mostrato;
    qsizetype dopo = 0;
    for (const QRegularExpressionMatch& m : parola.globalMatch(testo)) {
        mostrato += testo.mid(dopo, m.capturedStart() - dopo);
        mostrato += m.hasCaptured(1) ? Testi::Negazione(ParolaMostrata(m.captured(1))) : ParolaMostrata(m.captured());
        dopo = m.capturedEnd();
    }
    return mostrato + testo.mid(dopo);
}

QString RispostaMostrata(const QString& risposta)
{
    // The answer buttons' captions the rules record as they are written.
    for (const char* didascalia : {"UGUALE", "DIVERSA", "DIVERSO", "Fatto"})
        if (risposta == QLatin1String(didascalia))
            return QCoreApplication::translate("Tesselo", didascalia);
    return ParoleMostrate(risposta);
}

} // namespace Insegnanti
