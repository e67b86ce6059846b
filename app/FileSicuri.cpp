#include "app/FileSicuri.h"

#include "app/Modulo1.h"
#include "registro/Avviso.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <mutex>
#include <sys/stat.h>
#include <tuple>

namespace {

// One entry of a folder, with what stat says of it (links followed).
struct Voce {
    QString nome;
    struct stat info;
};

bool Ascii(const char* testo, std::size_t lunghezza)
{
    return std::all_of(testo, testo + lunghezza, [](char c) { return uchar(c) < 0x80; });
}

// The name asked for, in the two forms the comparison needs.
struct NomeCercato {
    explicit NomeCercato(const QString& nome)
        : testo(nome), byte(QFile::encodeName(nome)), ascii(Ascii(byte.constData(), std::size_t(byte.size())))
    {
    }
    // Whether an entry's name is this one whatever its letter case. Plain
    // ASCII names, nearly all of them, are compared byte by byte, without
    // decoding every entry of the folder.
    bool uguale(const char* voce) const
    {
        const std::size_t n = std::strlen(voce);
        if (ascii && Ascii(voce, n))
            return qsizetype(n) == byte.size() && qstrnicmp(voce, byte.constData(), qsizetype(n)) == 0;
        return QFile::decodeName(voce).compare(testo, Qt::CaseInsensitive) == 0;
    }
    QString testo;
    QByteArray byte;
    bool ascii;
};

QString Unisci(const QString& cartella, const QString& nome)
{
    return cartella.endsWith('/') ? cartella + nome : cartella + '/' + nome;
}

// Times of change within this many seconds of now may still change within
// the same tick of their clock (see IdentitaFile).
constexpr time_t SecondiPerAssestarsi = 2;

IdentitaFile Identita(const struct stat& info)
{
    const std::int64_t campi[] = {std::int64_t(info.st_dev), std::int64_t(info.st_ino), std::int64_t(info.st_size),
                                  info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_ctim.tv_sec,
                                  info.st_ctim.tv_nsec};
    return {QByteArray(reinterpret_cast<const char*>(campi), sizeof campi),
            std::time(nullptr) - info.st_ctim.tv_sec > SecondiPerAssestarsi};
}

// The names in folders, each read again only once its folder has changed: a
// picture is looked up at every load, and reading a folder costs ten times
// as much as asking for its time of change. That time is the inode's change
// time, which also moves when the modification time is set back (as an
// archive being unpacked does). A folder changed in the last two seconds is
// read every time, since a second change within the same tick of its clock
// would leave that time as it is. Safe on any thread.
class ElenchiCartelle {
public:
    QList<QByteArray> nomi(const QString& cartella)
    {
        const QByteArray percorso = QFile::encodeName(cartella);
        struct stat info;
        if (::stat(percorso.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
            return {};
        const Stato stato{info.st_dev, info.st_ino, info.st_ctim.tv_sec, info.st_ctim.tv_nsec};
        {
            const std::lock_guard blocco(mutex);
            const auto trovato = elenchi.constFind(cartella);
            if (trovato != elenchi.cend() && trovato->stato == stato)
                return trovato->nomi;
        }
        QList<QByteArray> nomi;
        if (DIR* dir = ::opendir(percorso.constData())) {
            while (const dirent* voce = ::readdir(dir))
                nomi.append(QByteArray(voce->d_name));
            ::closedir(dir);
        }
        if (std::time(nullptr) - info.st_ctim.tv_sec > SecondiPerAssestarsi) {
            const std::lock_guard blocco(mutex);
            // The program looks in a handful of folders; a long run of tests
            // in fresh temporary folders should not fill the memory.
            if (elenchi.size() >= 64)
                elenchi.clear();
            elenchi.insert(cartella, {stato, nomi});
        }
        return nomi;
    }

private:
    using Stato = std::tuple<dev_t, ino_t, time_t, long>;
    struct Elenco {
        Stato stato;
        QList<QByteArray> nomi;
    };
    std::mutex mutex;
    QHash<QString, Elenco> elenchi;
};

// The entries of cartella named nome whatever their letter case. Entries
// that vanish meanwhile, or that are links leading nowhere, are left out.
QList<Voce> Varianti(const QString& cartella, const QString& nome)
{
    static ElenchiCartelle elenchi;
    QList<Voce> varianti;
    const NomeCercato cercato(nome);
    for (const QByteArray& voce : elenchi.nomi(cartella)) {
        struct stat info;
        if (cercato.uguale(voce.constData())
            && ::stat(QFile::encodeName(Unisci(cartella, QFile::decodeName(voce))).constData(), &info) == 0)
            varianti.append({QFile::decodeName(voce), info});
    }
    return varianti;
}

// Whether a comes before b as the file to read for nome: modified later, or
// at the same time and named exactly nome; the code-point order of the names
// decides what is left, so the choice never depends on the folder's order.
bool Precede(const Voce& a, const Voce& b, const QString& nome)
{
    const auto ta = std::tie(a.info.st_mtim.tv_sec, a.info.st_mtim.tv_nsec);
    const auto tb = std::tie(b.info.st_mtim.tv_sec, b.info.st_mtim.tv_nsec);
    if (ta != tb)
        return ta > tb;
    if ((a.nome == nome) != (b.nome == nome))
        return a.nome == nome;
    return a.nome < b.nome;
}

// The regular file of cartella named nome whatever its letter case.
QString FileIn(const QString& cartella, const QString& nome)
{
    const QList<Voce> varianti = Varianti(cartella, nome);
    const Voce* scelta = nullptr;
    for (const Voce& v : varianti)
        if (S_ISREG(v.info.st_mode) && (!scelta || Precede(v, *scelta, nome)))
            scelta = &v;
    return scelta ? Unisci(cartella, scelta->nome) : QString();
}

// The folder of cartella named nome whatever its letter case: the one named
// exactly so when there is one.
QString CartellaIn(const QString& cartella, const QString& nome)
{
    QString scelta;
    for (const Voce& v : Varianti(cartella, nome)) {
        if (!S_ISDIR(v.info.st_mode))
            continue;
        if (v.nome == nome)
            return Unisci(cartella, nome);
        if (scelta.isEmpty() || v.nome < scelta)
            scelta = v.nome;
    }
    return scelta.isEmpty() ? QString() : Unisci(cartella, scelta);
}

bool Cartella(const QString& percorso)
{
    struct stat info;
    return ::stat(QFile::encodeName(percorso).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The folder cartella as it exists: as written when it does; otherwise each
// part below the deepest folder that exists is matched whatever its letter
// case. The first fisso characters are taken only as written.
QString TrovaCartella(const QString& cartella, qsizetype fisso)
{
    if (Cartella(cartella))
        return cartella;
    const qsizetype barra = cartella.lastIndexOf('/');
    if (barra < fisso || barra < 0)
        return {};
    const QString sopra = TrovaCartella(barra == 0 ? QStringLiteral("/") : cartella.left(barra), fisso);
    return sopra.isEmpty() ? QString() : CartellaIn(sopra, cartella.mid(barra + 1));
}

// TrovaFile, with the first fisso characters of the clean path taken only as
// written.
QString Trova(const QString& percorso, qsizetype fisso)
{
    const QString pulito = QDir::cleanPath(percorso);
    const qsizetype barra = pulito.lastIndexOf('/');
    const QString cartella = barra < 0 ? QStringLiteral(".") : barra == 0 ? QStringLiteral("/") : pulito.left(barra);
    const QString trovata = TrovaCartella(cartella, fisso);
    return trovata.isEmpty() ? QString() : FileIn(trovata, pulito.mid(barra + 1));
}

} // namespace

QString TrovaFile(const QString& percorso)
{
    return Trova(percorso, 0);
}

QStringList FileDaProvare(const QString& percorso)
{
    const QString utente = QDir::cleanPath(Modulo1::CartellaUtente());
    const QString installata = QDir::cleanPath(Modulo1::CartellaApplicazione());
    const QString pulito = QDir::cleanPath(percorso);
    if (utente.isEmpty() || !pulito.startsWith(installata + '/'))
        return {percorso};
    // The user's folder itself is named by the program: only what lies
    // below it is matched whatever its letter case.
    const QString suo = Trova(utente + pulito.mid(installata.size()), utente.size());
    if (suo.isEmpty())
        return {percorso};
    return {suo, percorso};
}

std::optional<IdentitaFile> IdentitaDelFile(const QString& percorso)
{
    const QString trovato = TrovaFile(percorso);
    struct stat info;
    if (trovato.isEmpty() || ::stat(QFile::encodeName(trovato).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return Identita(info);
}

std::optional<QByteArray> LeggiFileRegolare(const QString& percorso, qint64 limite, IdentitaFile* identita)
{
    const QString trovato = TrovaFile(percorso);
    if (trovato.isEmpty())
        return std::nullopt;
    QFile file(trovato);
    if (file.size() > limite || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (identita) {
        // The file opened, whatever its name leads to by now.
        struct stat info;
        if (::fstat(file.handle(), &info) != 0 || !S_ISREG(info.st_mode))
            return std::nullopt;
        *identita = Identita(info);
    }
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
    Registro::Avvisa(QDir::toNativeSeparators(percorso) + QStringLiteral(": ") + motivo);
}
