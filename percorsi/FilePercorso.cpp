#include "percorsi/FilePercorso.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Percorsi {

namespace {

const QStringList ChiaviPercorso{"versione", "nome", "obiettivo", "solo_percorso", "passi"};
const QStringList ChiaviPasso{"gioco", "attributi", "esatte", "su_misura"};

QString Chiave(const QString& chiave)
{
    return QStringLiteral("«%1»").arg(chiave);
}

QString Tipo(const QString& chiave, const char* tipo)
{
    return QStringLiteral("%1 deve essere %2").arg(Chiave(chiave), QString::fromUtf8(tipo));
}

// A whole JSON number within the range of int.
std::optional<int> Intero(const QJsonValue& v)
{
    if (!v.isDouble())
        return {};
    const double d = v.toDouble();
    if (std::floor(d) != d || std::fabs(d) > 1e9)
        return {};
    return int(d);
}

QString ErroreJson(const QJsonParseError& e)
{
    switch (e.error) {
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("il file non è scritto in UTF-8 (vicino al byte %1)").arg(e.offset);
    case QJsonParseError::DeepNesting:
        return QStringLiteral("il file non è un percorso: ha elementi annidati troppo in profondità");
    default:
        return QStringLiteral("il file non è JSON valido (errore vicino al byte %1)").arg(e.offset);
    }
}

// A key of a text Qt has read as JSON, as the text writes it: decoded
// through Qt where it holds an escape.
QString Decodificata(QByteArrayView citata)
{
    if (!citata.contains('\\'))
        return QString::fromUtf8(citata.sliced(1, citata.size() - 2));
    const QByteArray elenco = "[" + citata.toByteArray() + "]";
    return QJsonDocument::fromJson(elenco).array().at(0).toString();
}

// The first key given twice in one object of a text that is valid JSON, or
// nothing. Qt keeps only the last of them, so they are found in the text:
// a key is a string followed by a colon.
std::optional<QString> ChiaveRipetuta(QByteArrayView testo)
{
    QList<QSet<QString>> aperti;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const char c = testo[i];
        if (c == '{' || c == '[') {
            aperti.append(QSet<QString>());
        } else if (c == '}' || c == ']') {
            aperti.removeLast();
        } else if (c == '"') {
            qsizetype fine = i + 1;
            while (testo[fine] != '"')
                fine += testo[fine] == '\\' ? 2 : 1;
            qsizetype dopo = fine + 1;
            while (dopo < testo.size() && QByteArrayView(" \t\r\n").contains(testo[dopo]))
                ++dopo;
            if (dopo < testo.size() && testo[dopo] == ':') {
                const QString chiave = Decodificata(testo.sliced(i, fine - i + 1));
                if (aperti.last().contains(chiave))
                    return chiave;
                aperti.last().insert(chiave);
            }
            i = fine;
        }
    }
    return {};
}

QString ChiaveSconosciuta(const QJsonObject& oggetto, const QStringList& note)
{
    for (auto it = oggetto.begin(); it != oggetto.end(); ++it)
        if (!note.contains(it.key()))
            return QStringLiteral("chiave sconosciuta %1").arg(Citato(it.key()));
    return {};
}

QString LeggiVersione(const QJsonObject& o)
{
    if (!o.contains(u"versione"))
        return QStringLiteral("manca %1").arg(Chiave("versione"));
    const std::optional<int> versione = Intero(o.value(u"versione"));
    if (!versione)
        return Tipo("versione", "un numero intero");
    if (*versione > Versione)
        return QStringLiteral("il percorso è della versione %1 del formato, più recente di questo programma, "
                              "che legge fino alla versione %2: aggiorna Tesselo")
            .arg(*versione)
            .arg(Versione);
    if (*versione < 1)
        return QStringLiteral("la versione %1 del formato non esiste: la prima è la 1").arg(*versione);
    return {};
}

QString LeggiAttributi(const QJsonValue& v, AttributiInGioco& attributi)
{
    if (!v.isArray())
        return Tipo("attributi", "un elenco di nomi di attributi");
    const QJsonArray elenco = v.toArray();
    if (elenco.isEmpty())
        return QStringLiteral("«attributi» è vuoto: va scelto almeno un attributo, oppure tolta la chiave per averli tutti");
    QList<int> criteri;
    for (const QJsonValue& nome : elenco) {
        if (!nome.isString())
            return Tipo("attributi", "un elenco di nomi di attributi");
        const int criterio = AttributiInGioco::CriterioDi(nome.toString());
        if (criterio == 0)
            return QStringLiteral("l'attributo %1 non esiste: sono %2")
                .arg(Citato(nome.toString()), AttributiInGioco::Nomi().join(QStringLiteral(", ")));
        if (criteri.contains(criterio))
            return QStringLiteral("l'attributo %1 è ripetuto").arg(Citato(nome.toString()));
        criteri.append(criterio);
    }
    attributi = AttributiInGioco::Di(criteri);
    return {};
}

QString LeggiPasso(const QJsonValue& v, Passo& passo)
{
    if (!v.isObject())
        return QStringLiteral("un passo deve essere un oggetto { }");
    const QJsonObject o = v.toObject();
    if (const QString e = ChiaveSconosciuta(o, ChiaviPasso); !e.isEmpty())
        return e;
    if (!o.contains(u"gioco"))
        return QStringLiteral("manca %1").arg(Chiave("gioco"));
    if (!o.value(u"gioco").isString())
        return Tipo("gioco", "il nome di un gioco");
    passo.gioco = o.value(u"gioco").toString();
    const Gioco* gioco = GiocoDi(passo.gioco);
    if (!gioco)
        return ProblemaPasso(passo);
    if (o.contains(u"attributi")) {
        if (!gioco->sceglieAttributi())
            return AttributiNonScelti(*gioco);
        if (const QString e = LeggiAttributi(o.value(u"attributi"), passo.attributi); !e.isEmpty())
            return e;
    }
    if (!o.contains(u"esatte"))
        return QStringLiteral("manca %1").arg(Chiave("esatte"));
    const std::optional<int> esatte = Intero(o.value(u"esatte"));
    if (!esatte)
        return Tipo("esatte", "un numero intero");
    passo.esatte = *esatte;
    if (o.contains(u"su_misura") && !o.value(u"su_misura").isBool())
        return Tipo("su_misura", "true o false");
    passo.suMisura = o.value(u"su_misura").toBool();
    return ProblemaPasso(passo);
}

QString LeggiPercorso(const QJsonObject& o, Percorso& percorso)
{
    if (QString e = LeggiVersione(o); !e.isEmpty())
        return e;
    if (QString e = ChiaveSconosciuta(o, ChiaviPercorso); !e.isEmpty())
        return e;
    if (!o.contains(u"nome"))
        return QStringLiteral("manca %1").arg(Chiave("nome"));
    if (!o.value(u"nome").isString())
        return Tipo("nome", "un testo");
    percorso.nome = o.value(u"nome").toString();
    if (o.contains(u"obiettivo") && !o.value(u"obiettivo").isString())
        return Tipo("obiettivo", "un testo");
    percorso.obiettivo = o.value(u"obiettivo").toString();
    if (o.contains(u"solo_percorso") && !o.value(u"solo_percorso").isBool())
        return Tipo("solo_percorso", "true o false");
    percorso.soloPercorso = o.value(u"solo_percorso").toBool();
    if (QString e = ProblemaIntestazione(percorso); !e.isEmpty())
        return e;
    if (!o.contains(u"passi"))
        return QStringLiteral("manca %1").arg(Chiave("passi"));
    if (!o.value(u"passi").isArray())
        return Tipo("passi", "un elenco di passi");
    const QJsonArray passi = o.value(u"passi").toArray();
    if (QString e = ProblemaNumeroPassi(passi.size()); !e.isEmpty())
        return e;
    for (qsizetype i = 0; i < passi.size(); ++i) {
        Passo passo;
        if (const QString e = LeggiPasso(passi[i], passo); !e.isEmpty())
            return NelPasso(i, e);
        percorso.passi.append(passo);
    }
    return {};
}

Lettura Errore(const QString& errore)
{
    return {std::nullopt, errore};
}

// A JSON value on one line, as Qt writes it.
QByteArray Valore(const QJsonValue& v)
{
    const QByteArray elenco = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return elenco.sliced(1, elenco.size() - 2);
}

} // namespace

Lettura LeggiTesto(const QByteArray& testo)
{
    if (testo.size() > MassimoByte)
        return Errore(QStringLiteral("il file è più grande di 1 MiB: non è un percorso"));
    // A byte order mark, which some editors put before UTF-8, is no part of
    // the JSON.
    const QByteArray json = testo.startsWith("\xEF\xBB\xBF") ? testo.sliced(3) : testo;
    if (json.trimmed().isEmpty())
        return Errore(QStringLiteral("il file è vuoto"));
    QJsonParseError e;
    const QJsonDocument documento = QJsonDocument::fromJson(json, &e);
    if (e.error != QJsonParseError::NoError)
        return Errore(ErroreJson(e));
    if (!documento.isObject())
        return Errore(QStringLiteral("il file non è un percorso: il JSON non è un oggetto { }"));
    if (const auto ripetuta = ChiaveRipetuta(json))
        return Errore(QStringLiteral("la chiave %1 compare due volte nello stesso oggetto").arg(Citato(*ripetuta)));
    Percorso percorso;
    if (const QString errore = LeggiPercorso(documento.object(), percorso); !errore.isEmpty())
        return Errore(errore);
    return {percorso, {}};
}

Lettura LeggiFile(const QString& file)
{
    const QString nome = QDir::toNativeSeparators(file);
    // Never waits on a pipe or a device: only a regular file is read.
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Errore(QStringLiteral("%1: il file non si può leggere (%2)").arg(nome, QString::fromLocal8Bit(std::strerror(errno))));
    QFile f;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Errore(QStringLiteral("%1: non è un file").arg(nome));
    }
    if (info.st_size > MassimoByte) {
        ::close(fd);
        return Errore(QStringLiteral("%1: il file è più grande di 1 MiB: non è un percorso").arg(nome));
    }
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Errore(QStringLiteral("%1: il file non si può leggere (%2)").arg(nome, f.errorString()));
    }
    // One byte more than allowed tells a file that has grown since.
    Lettura letta = LeggiTesto(f.read(MassimoByte + 1));
    if (!letta.percorso)
        letta.errore = QStringLiteral("%1: %2").arg(nome, letta.errore);
    return letta;
}

QByteArray Testo(const Percorso& percorso)
{
    QByteArray t = "{\n";
    t += "    \"versione\": " + QByteArray::number(Versione) + ",\n";
    t += "    \"nome\": " + Valore(percorso.nome) + ",\n";
    t += "    \"obiettivo\": " + Valore(percorso.obiettivo) + ",\n";
    t += "    \"solo_percorso\": " + Valore(percorso.soloPercorso) + ",\n";
    t += "    \"passi\": [";
    for (qsizetype i = 0; i < percorso.passi.size(); ++i) {
        const Passo& passo = percorso.passi[i];
        t += i ? ",\n" : "\n";
        t += "        {\"gioco\": " + Valore(passo.gioco);
        const Gioco* gioco = GiocoDi(passo.gioco);
        if (gioco && gioco->sceglieAttributi())
            t += ", \"attributi\": " + Valore(QJsonArray::fromStringList(passo.attributi.nomi())).replace(",", ", ");
        t += ", \"esatte\": " + QByteArray::number(passo.esatte);
        // Written only when true, so that a file of a path without it reads
        // as it did before.
        if (passo.suMisura)
            t += ", \"su_misura\": true";
        t += "}";
    }
    t += "\n    ]\n}\n";
    return t;
}

bool ScriviFile(const QString& file, const Percorso& percorso, QString& errore)
{
    const QString nome = QDir::toNativeSeparators(file);
    if (const QString problema = ProblemaPercorso(percorso); !problema.isEmpty()) {
        errore = QStringLiteral("%1: %2").arg(nome, problema);
        return false;
    }
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly) || !f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || f.write(Testo(percorso)) < 0 || !f.commit()) {
        errore = QStringLiteral("%1: il file non si può scrivere (%2)").arg(nome, f.errorString());
        f.cancelWriting();
        return false;
    }
    return true;
}

} // namespace Percorsi
