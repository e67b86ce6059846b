#include "registro/Blocco.h"

#include <QDir>
#include <QFileInfo>

QString Blocco::parola(int criterio) const
{
    switch (criterio) {
    case CriterioForma: return forma;
    case CriterioColore: return colore;
    case CriterioDimensione: return dimensione;
    case CriterioSpessore: return spessore;
    }
    return {};
}

QString Blocco::nome() const
{
    return forma + ' ' + colore + ' ' + dimensione + ' ' + spessore;
}

QString Blocco::tag() const
{
    return forma + colore + dimensione + spessore;
}

QString Blocco::percorso(const QString& cartellaApplicazione) const
{
    return cartellaApplicazione + "/jpg/" + colore + '/' + forma + dimensione + spessore + ".JPG";
}

bool Blocco::valido() const
{
    return Parole::Forme.contains(forma) && Parole::Colori.contains(colore)
        && Parole::Dimensioni.contains(dimensione) && Parole::Spessori.contains(spessore);
}

QList<Blocco> Blocco::tutti()
{
    QList<Blocco> blocchi;
    for (const auto& c : Parole::Colori)
        for (const auto& f : Parole::Forme)
            for (const auto& d : Parole::Dimensioni)
                for (const auto& s : Parole::Spessori)
                    blocchi.append({f, c, d, s});
    return blocchi;
}

std::optional<Blocco> BloccoDaPercorso(const QString& percorso)
{
    const QFileInfo info(percorso);
    if (info.suffix().compare("jpg", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QString colore = info.dir().dirName().toLower();
    const QString resto = info.completeBaseName().toLower();
    for (const auto& b : Blocco::tutti())
        if (b.colore == colore && b.forma + b.dimensione + b.spessore == resto)
            return b;
    return std::nullopt;
}

std::optional<Blocco> BloccoDaNome(const QString& nome)
{
    const QStringList parole = nome.split(' ');
    if (parole.size() != 4)
        return std::nullopt;
    const Blocco b{parole[0], parole[1], parole[2], parole[3]};
    return b.valido() ? std::optional<Blocco>(b) : std::nullopt;
}

QStringList ParoleConFigura()
{
    return QStringList{QStringLiteral("cerchio")} + Parole::Forme + Parole::Colori + Parole::Dimensioni
        + Parole::Spessori;
}
