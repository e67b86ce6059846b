#include "registro/PercorsiClasse.h"

#include "registro/Bambino.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace Registro {

namespace {

// Names as a person sorts them, numbers read as numbers ("gruppo 2" before
// "gruppo 10"), which the C locale's collation cannot do: there, Italian's.
QCollator OrdineDeiNomi()
{
    QCollator ordine(QLocale().language() == QLocale::C ? QLocale(QLocale::Italian) : QLocale());
    ordine.setCaseSensitivity(Qt::CaseInsensitive);
    ordine.setNumericMode(true);
    return ordine;
}

} // namespace

QString ControllaGruppo(const Gruppo& gruppo)
{
    const QString nome = NomePulito(gruppo.nome);
    if (nome.trimmed().isEmpty())
        return QStringLiteral("il nome del gruppo non può essere vuoto");
    if (nome.size() > LunghezzaNomeGruppo)
        return QStringLiteral("il nome del gruppo è più lungo di %1 caratteri").arg(LunghezzaNomeGruppo);
    return {};
}

void OrdinaGruppi(QList<Gruppo>& gruppi)
{
    const QCollator ordine = OrdineDeiNomi();
    std::stable_sort(gruppi.begin(), gruppi.end(),
                     [&](const Gruppo& a, const Gruppo& b) { return ordine.compare(a.nome, b.nome) < 0; });
}

void OrdinaPercorsi(QList<PercorsoSalvato>& percorsi)
{
    const QCollator ordine = OrdineDeiNomi();
    std::stable_sort(percorsi.begin(), percorsi.end(), [&](const PercorsoSalvato& a, const PercorsoSalvato& b) {
        return ordine.compare(a.percorso.nome, b.percorso.nome) < 0;
    });
}

QString NomeLibero(const QString& nome, const QSet<QString>& presi)
{
    QString libero = nome;
    for (int n = 2; presi.contains(libero); ++n) {
        const QString numero = QStringLiteral(" (%1)").arg(n);
        libero = nome.left(Percorso::MassimoNome - numero.size()) + numero;
    }
    return libero;
}

qint64 PercorsoDi(qint64 bambino, qint64 gruppo, const PercorsiAssegnati& assegnati)
{
    if (const qint64 proprio = assegnati.bambini.value(bambino))
        return proprio;
    if (gruppo != 0)
        if (const qint64 delGruppo = assegnati.gruppi.value(gruppo))
            return delGruppo;
    return assegnati.classe;
}

} // namespace Registro
