#include "registro/Classe.h"

#include "registro/Bambino.h"

#include <QCollator>
#include <QRegularExpression>

#include <algorithm>

namespace Registro {

const char* NomeClassePredefinito() { return "La mia classe"; }

QUuid UuidClassePredefinita()
{
    static const QUuid uuid(QStringLiteral("7e55e110-c1a5-4e00-8000-000000000001"));
    return uuid;
}

QString AnnoScolasticoDi(const QDate& giorno)
{
    const int inizio = giorno.month() >= 9 ? giorno.year() : giorno.year() - 1;
    return QStringLiteral("%1/%2").arg(inizio, 4, 10, QLatin1Char('0')).arg((inizio + 1) % 100, 2, 10, QLatin1Char('0'));
}

bool AnnoValido(const QString& anno)
{
    static const QRegularExpression forma(QStringLiteral("^([0-9]{4})/([0-9]{2})$"));
    const QRegularExpressionMatch m = forma.match(anno);
    return m.hasMatch() && (m.captured(1).toInt() + 1) % 100 == m.captured(2).toInt();
}

std::optional<QString> AnnoSeguente(const QString& anno)
{
    if (!AnnoValido(anno) || anno.left(4).toInt() >= 9999)
        return std::nullopt;
    return AnnoScolasticoDi(QDate(anno.left(4).toInt() + 1, 9, 1));
}

QString ControllaClasse(const Classe& classe)
{
    const QString nome = NomePulito(classe.nome);
    if (nome.trimmed().isEmpty())
        return QStringLiteral("il nome della classe non può essere vuoto");
    if (nome.size() > LunghezzaNomeClasse)
        return QStringLiteral("il nome della classe è più lungo di %1 caratteri").arg(LunghezzaNomeClasse);
    if (!AnnoValido(classe.annoScolastico))
        return QStringLiteral("l'anno scolastico \"%1\" non è nella forma 2026/27").arg(classe.annoScolastico);
    return {};
}

void OrdinaClassi(QList<Classe>& classi)
{
    // Numbers in names ("2A", "10A") are read as numbers, which the C
    // locale's collation cannot do: there, Italian's, the program's own.
    QCollator ordine(QLocale().language() == QLocale::C ? QLocale(QLocale::Italian) : QLocale());
    ordine.setCaseSensitivity(Qt::CaseInsensitive);
    ordine.setNumericMode(true);
    std::stable_sort(classi.begin(), classi.end(), [&](const Classe& a, const Classe& b) {
        if (a.annoScolastico != b.annoScolastico)
            return a.annoScolastico > b.annoScolastico;
        return ordine.compare(a.nome, b.nome) < 0;
    });
}

std::optional<Classe> TrovaClasse(const QList<Classe>& classi, const QString& nome)
{
    std::optional<Classe> trovata;
    for (const Classe& c : classi)
        if (c.nome == nome && (!trovata || c.annoScolastico > trovata->annoScolastico))
            trovata = c;
    return trovata;
}

QString NomeConAnno(const Classe& classe)
{
    return QStringLiteral("%1 %2").arg(classe.nome, classe.annoScolastico);
}

} // namespace Registro
