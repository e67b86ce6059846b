#include "screens/Progetto.h"

#include <stdexcept>
#include <string>

const Posto& Cerca(std::span<const Posto> progetto, std::string_view nome, int indice)
{
    for (const Posto& p : progetto)
        if (p.nome == nome && p.indice == indice)
            return p;
    throw std::logic_error("no design place for " + std::string(nome));
}

QString NomeControllo(std::string_view nome, int indice)
{
    const QString base = QString::fromUtf8(nome.data(), qsizetype(nome.size()));
    return indice < 0 ? base : QStringLiteral("%1(%2)").arg(base).arg(indice);
}
