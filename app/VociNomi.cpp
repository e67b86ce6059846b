#include "app/VociNomi.h"

#include "media/Voci.h"
#include "registro/Avviso.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <cstdio>

namespace VociNomi {

namespace {

// How long espeak-ng may take for one name; it usually needs a tenth of a second.
constexpr int AttesaMassima = 20000;
constexpr int Passo = 50;

using Registro::Avvisa;

// Runs espeak-ng into wav; false when it failed or was stopped.
bool Pronuncia(const QString& nome, const QString& wav, std::stop_token fermo, bool& manca)
{
    // The name goes in on standard input, never among the arguments: a name
    // typed as "-w x" or "--stdout" is a name to speak, not an option.
    QProcess espeak;
    espeak.start(QStringLiteral("espeak-ng"),
                 Voci::opzioniEspeak() + QStringList{QStringLiteral("-w"), wav, QStringLiteral("--stdin")});
    if (!espeak.waitForStarted(AttesaMassima)) {
        manca = espeak.error() == QProcess::FailedToStart;
        return false;
    }
    espeak.write(nome.toUtf8());
    espeak.closeWriteChannel();
    for (int atteso = 0; !espeak.waitForFinished(Passo); atteso += Passo) {
        if (fermo.stop_requested() || atteso >= AttesaMassima) {
            espeak.kill();
            espeak.waitForFinished(AttesaMassima);
            return false;
        }
    }
    return espeak.exitStatus() == QProcess::NormalExit && espeak.exitCode() == 0 && QFileInfo(wav).size() > 44;
}

} // namespace

QString Cartella()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/tesselo/nomi");
}

QString File(const QString& nome)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(Voci::opzioniEspeak().join(QLatin1Char('\n')).toUtf8());
    hash.addData("\n\n");
    hash.addData(nome.toUtf8());
    return Cartella() + QLatin1Char('/') + QString::fromLatin1(hash.result().toHex().left(32)) + QStringLiteral(".wav");
}

void Sfoltisci(const QStringList& nomi)
{
    QSet<QString> tenuti;
    for (const QString& nome : nomi)
        tenuti.insert(QFileInfo(File(nome)).fileName());
    QDir cartella(Cartella());
    const QStringList files = cartella.entryList({QStringLiteral("*.wav"), QStringLiteral("*.parziale")}, QDir::Files);
    for (const QString& file : files)
        if (!tenuti.contains(file))
            cartella.remove(file);
}

bool Prepara(const QStringList& nomi, std::stop_token fermo)
{
    // Children's names are personal data: their voices are their owner's alone.
    if (!QDir().mkpath(Cartella())
        || !QFile::setPermissions(Cartella(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        Avvisa(Cartella() + QStringLiteral(": cartella non scrivibile, i nomi non si sentono"));
        return false;
    }
    bool tutti = true;
    for (const QString& nome : nomi) {
        if (fermo.stop_requested())
            return false;
        const QString file = File(nome);
        // A name spoken is the child's name: the owner's alone, like the folder.
        if (QFileInfo::exists(file) && QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner))
            continue;
        // Written beside its place and renamed at the end, so that a file
        // cut short by a kill is never taken for a voice.
        const QString parziale = file + QStringLiteral(".parziale");
        bool manca = false;
        const bool fatto = Pronuncia(nome, parziale, fermo, manca)
            && QFile::setPermissions(parziale, QFile::ReadOwner | QFile::WriteOwner)
            && std::rename(QFile::encodeName(parziale).constData(), QFile::encodeName(file).constData()) == 0;
        if (!fatto) {
            QFile::remove(parziale);
            tutti = false;
            if (manca) {
                Avvisa(QStringLiteral("espeak-ng non c'è: i nomi dei bambini non si sentono"));
                return false;
            }
        }
    }
    if (tutti)
        Sfoltisci(nomi);
    return tutti;
}

} // namespace VociNomi
