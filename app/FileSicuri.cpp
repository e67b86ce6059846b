#include "app/FileSicuri.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

bool FileRegolare(const QString& percorso)
{
    std::error_code errore;
    return std::filesystem::is_regular_file(std::filesystem::path(percorso.toStdString()), errore);
}

// The entry of cartella named nome whatever its letter case; empty when none.
QString Voce(const QString& cartella, const QString& nome)
{
    const QDir dir(cartella);
    if (dir.exists(nome))
        return dir.filePath(nome);
    const QStringList voci = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const auto& voce : voci)
        if (voce.compare(nome, Qt::CaseInsensitive) == 0)
            return dir.filePath(voce);
    return {};
}

} // namespace

QString TrovaFile(const QString& percorso)
{
    if (FileRegolare(percorso))
        return percorso;
    // Walk down from the deepest folder that exists as written, matching each
    // further part of the path whatever its case.
    const QString pulito = QDir::cleanPath(percorso);
    QStringList parti = pulito.split('/');
    QString cartella;
    int i = 0;
    for (int n = parti.size() - 1; n > 0; --n) {
        const QString candidata = parti.mid(0, n).join('/');
        if (QFileInfo(candidata.isEmpty() ? "/" : candidata).isDir()) {
            cartella = candidata.isEmpty() ? "/" : candidata;
            i = n;
            break;
        }
    }
    if (cartella.isEmpty())
        return {};
    for (; i < parti.size(); ++i) {
        cartella = Voce(cartella, parti[i]);
        if (cartella.isEmpty())
            return {};
    }
    return FileRegolare(cartella) ? cartella : QString();
}

std::optional<QByteArray> LeggiFileRegolare(const QString& percorso, qint64 limite)
{
    const QString trovato = TrovaFile(percorso);
    if (trovato.isEmpty())
        return std::nullopt;
    QFile file(trovato);
    if (file.size() > limite || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

void AvvisaFile(const QString& percorso, const QString& motivo)
{
    // One file may be asked for by names that differ only in letter case
    // ("ROSSO.jpg", "rosso.jpg"); TrovaFile takes them for the same file.
    static QSet<QString> avvisati;
    const QString chiave = QDir::cleanPath(percorso).toCaseFolded();
    if (avvisati.contains(chiave))
        return;
    avvisati.insert(chiave);
    std::fprintf(stderr, "tesselo: %s: %s\n", qPrintable(QDir::toNativeSeparators(percorso)), qPrintable(motivo));
}
