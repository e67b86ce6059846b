#include "insegnanti/Scala.h"

#include "app/Stile.h"

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
    return QStringLiteral("%1 / %2").arg(conto.esatte).arg(conto.errate);
}

QString TestoQuota(const Registro::Conto& conto)
{
    const std::optional<double> q = conto.quota();
    return q ? QStringLiteral("%1%").arg(std::lround(*q * 100)) : QStringLiteral("–");
}

QString DescrizioneConto(const Registro::Conto& conto)
{
    if (!conto.totale())
        return QStringLiteral("nessuna risposta");
    return QStringLiteral("%1 e %2 (%3)")
        .arg(Quante(conto.esatte, QStringLiteral("esatta"), QStringLiteral("esatte")),
             Quante(conto.errate, QStringLiteral("errata"), QStringLiteral("errate")), TestoQuota(conto));
}

QTableWidgetItem* VoceConto(const Registro::Conto& conto, const QString& testo)
{
    auto* voce = new QTableWidgetItem(testo);
    voce->setTextAlignment(Qt::AlignCenter);
    voce->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    voce->setToolTip(DescrizioneConto(conto));
    if (const std::optional<double> q = conto.quota()) {
        const QColor sfondo = ColoreQuota(*q);
        voce->setBackground(sfondo);
        voce->setForeground(InchiostroSu(sfondo));
    }
    return voce;
}

QString Quante(int n, const QString& singolare, const QString& plurale)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? singolare : plurale);
}

QString RisposteCancellate(int n)
{
    return n == 1 ? QStringLiteral("Verrà cancellata 1 risposta")
                  : QStringLiteral("Verranno cancellate %1 risposte").arg(n);
}

} // namespace Insegnanti
