#include "registro/Recupero.h"

#include "registro/Giochi.h"
#include "registro/Server.h"
#include "percorsi/Percorso.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <unistd.h>
#include <sys/stat.h>

namespace Registro::Recupero {

namespace {

// No writer queues more than this many answers; a file larger than some
// runs of them is not ours.
constexpr qint64 MassimoByte = 64 * 1024 * 1024;
constexpr qsizetype MassimoDomande = 8, MassimoBlocchi = 48, MassimoTesto = 200;
constexpr qint64 MassimoMillisecondi = qint64(24) * 3600 * 1000;

QByteArray Riga(const Voce& v)
{
    const Risposta& r = v.risposta;
    QJsonObject o{
        {"id", r.id.toString(QUuid::WithoutBraces)},
        {"quando", QString::number(r.quando.toMSecsSinceEpoch())},
        {"bambino", QString::number(v.bambino)},
        {"classe", QString::number(v.classe)},
        {"schermo", r.schermo},
        {"domande", Server::JsonDomande(r.domande)},
        {"blocchi", Server::JsonBlocchi(r.blocchi)},
        {"risposta", r.risposta},
        {"esatta", r.esatta},
        {"millisecondi", QString::number(r.millisecondi)},
    };
    // An answer given under a path carries it and its step; others have
    // neither, as every line had before paths.
    if (r.conPercorso()) {
        o.insert("percorso", r.percorso.toString(QUuid::WithoutBraces));
        o.insert("passo", QString::number(r.passo));
    }
    // A retry says which attempt it is; a first answer says nothing, as
    // every line had before attempts were told apart.
    if (r.tentativo > 1)
        o.insert("tentativo", QString::number(r.tentativo));
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

bool SchermoNoto(const QString& schermo)
{
    const auto giochi = Giochi();
    return std::any_of(giochi.begin(), giochi.end(), [&](const Gioco& g) { return schermo == QLatin1String(g.schermo); });
}

bool DomandaValida(const Domanda& d)
{
    static const QStringList attributi{"", "forma", "colore", "dimensione", "spessore"};
    return attributi.contains(d.attributo) && d.valore.size() <= 20 && (d.valore.isEmpty() || !d.attributo.isEmpty());
}

// One line back into an answer, or nothing when any value is not one the
// game could have recorded.
std::optional<Voce> Leggi(const QByteArray& riga)
{
    QJsonParseError errore;
    const QJsonDocument doc = QJsonDocument::fromJson(riga, &errore);
    if (errore.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    const auto numero = [&](const char* chiave, qint64 minimo, qint64 massimo) -> std::optional<qint64> {
        bool ok = false;
        const qint64 n = o.value(QLatin1String(chiave)).toString().toLongLong(&ok);
        return ok && n >= minimo && n <= massimo ? std::optional(n) : std::nullopt;
    };
    Risposta r;
    r.id = QUuid::fromString(o.value("id").toString());
    // From the year 2000 to a day past now: a clock a little ahead is no forgery.
    const auto quando = numero("quando", QDateTime(QDate(2000, 1, 1), QTime(0, 0)).toMSecsSinceEpoch(),
                               QDateTime::currentMSecsSinceEpoch() + MassimoMillisecondi);
    const auto bambino = numero("bambino", 0, std::numeric_limits<qint64>::max());
    const auto millisecondi = numero("millisecondi", 0, MassimoMillisecondi);
    // Lines written before registers had classes have none.
    const auto classe = o.contains("classe") ? numero("classe", 0, std::numeric_limits<qint64>::max()) : std::optional<qint64>(0);
    r.schermo = o.value("schermo").toString();
    const QString domande = o.value("domande").toString(), blocchi = o.value("blocchi").toString();
    r.risposta = o.value("risposta").toString();
    if (r.id.isNull() || !quando || !bambino || !millisecondi || !classe || !SchermoNoto(r.schermo) || !o.value("esatta").isBool()
        || r.risposta.size() > MassimoTesto || domande.size() > 1000 || blocchi.size() > 5000)
        return std::nullopt;
    r.quando = QDateTime::fromMSecsSinceEpoch(*quando);
    r.gioco = DidascaliaGioco(r.schermo);
    r.domande = Server::Domande(domande);
    r.blocchi = Server::Blocchi(blocchi);
    r.esatta = o.value("esatta").toBool();
    r.millisecondi = *millisecondi;
    // A path and its step, both or neither.
    if (o.contains("percorso") || o.contains("passo")) {
        r.percorso = QUuid::fromString(o.value("percorso").toString());
        const auto passo = numero("passo", 1, Percorso::MassimoPassi);
        if (r.percorso.isNull() || !passo)
            return std::nullopt;
        r.passo = int(*passo);
    }
    if (o.contains("tentativo")) {
        const auto tentativo = numero("tentativo", 1, Risposta::MassimoTentativo);
        if (!tentativo)
            return std::nullopt;
        r.tentativo = int(*tentativo);
    }
    if (r.domande.size() > MassimoDomande || r.blocchi.size() > MassimoBlocchi
        || !std::all_of(r.domande.begin(), r.domande.end(), DomandaValida)
        || !std::all_of(r.blocchi.begin(), r.blocchi.end(), [](const Blocco& b) { return b.valido(); }))
        return std::nullopt;
    return Voce{r, *bambino, *classe};
}

} // namespace

QString File(const QString& registro)
{
    const QFileInfo info(registro);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral("-recupero.jsonl"));
}

bool Salva(const QString& registro, const Risposte& risposte, QString& errore)
{
    const QString nome = File(registro);
    QByteArray testo;
    {
        QFile prima(nome);
        if (prima.exists()) {
            if (!prima.open(QIODevice::ReadOnly) || prima.size() > MassimoByte) {
                errore = QStringLiteral("il file %1 non si può leggere").arg(QDir::toNativeSeparators(nome));
                return false;
            }
            testo = prima.readAll();
        }
    }
    if (!testo.isEmpty() && !testo.endsWith('\n'))
        testo += '\n';  // a line cut short stays alone
    for (const Voce& v : risposte)
        testo += Riga(v);
    // Written beside and renamed over: a disk that fills midway leaves the
    // file as it was.
    QSaveFile file(nome);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
        || file.write(testo) != testo.size() || !file.commit()) {
        errore = QStringLiteral("il file %1 non si può scrivere (%2)")
                     .arg(QDir::toNativeSeparators(nome), file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

Risposte Leggi(const QString& registro, int& rifiutate, QString& errore)
{
    rifiutate = 0;
    const QString nome = File(registro);
    // Only a regular file of this user, never a link planted to read another.
    const int fd = ::open(QFile::encodeName(nome).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && errno == ENOENT)
        return {};
    struct stat info;
    QFile file;
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()
        || info.st_size > MassimoByte || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0 && !file.isOpen())
            ::close(fd);
        errore = QStringLiteral("il file %1 non è un file di risposte in attesa di questo utente")
                     .arg(QDir::toNativeSeparators(nome));
        return {};
    }
    Risposte risposte;
    while (!file.atEnd()) {
        const QByteArray riga = file.readLine(MassimoByte).trimmed();
        if (riga.isEmpty())
            continue;
        if (const auto letta = Leggi(riga))
            risposte.append(*letta);
        else
            ++rifiutate;
    }
    return risposte;
}

void Rimuovi(const QString& registro)
{
    QFile::remove(File(registro));
}

} // namespace Registro::Recupero
