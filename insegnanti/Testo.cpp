#include "insegnanti/Testo.h"

#include <QDir>
#include <QTranslator>

namespace Insegnanti {

QString Testo::conta(const char* testo, const char* commento, int n)
{
    if (Lingua::Attuale() != Lingua::Disponibili().first())
        return tr(testo, commento, n);
    // Italian's own singulars are built into the program.
    static QTranslator italiano;
    static const bool caricato = italiano.load(QStringLiteral(":/traduzioni/tesselo-registro_it.qm"));
    Q_ASSERT(caricato);
    QString forma = italiano.translate("Insegnanti", testo, commento, n);
    if (forma.isEmpty())
        forma = QString::fromUtf8(testo);
    return forma.replace(QStringLiteral("%n"), QString::number(n));
}

QString CartellaTraduzioni()
{
    const QDir qui(QCoreApplication::applicationDirPath());
    return qui.exists(QStringLiteral("traduzioni")) ? qui.filePath(QStringLiteral("traduzioni"))
                                                    : QDir::cleanPath(qui.filePath(QStringLiteral(TESSELO_TRADUZIONI_DA_BIN)));
}

bool ImpostaLingua(const QString& codice, const QString& cartella)
{
    return Lingua::Imposta(codice, cartella, {QStringLiteral("tesselo"), QStringLiteral("tesselo-registro")});
}

} // namespace Insegnanti
