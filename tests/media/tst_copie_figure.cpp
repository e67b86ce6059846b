#include "app/Immagini.h"
#include "tests/support/Codifica.h"
#include "tests/support/MainProva.h"

#include <QDirIterator>
#include <QMap>
#include <QTemporaryDir>
#include <chrono>
#include <sys/inotify.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// The pictures fitted to their boxes that a run keeps for the next, and the
// files a run has read found again by their identity: what is taken without
// reading a picture's file, and what never is.
namespace {

// The files of a folder opened since the last count, through inotify.
class Aperture {
public:
    explicit Aperture(const QString& cartella) : fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        inotify_add_watch(fd, QFile::encodeName(cartella).constData(), IN_OPEN);
    }
    ~Aperture() { ::close(fd); }
    int conta()
    {
        int aperte = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            for (ssize_t i = 0; i < n; i += ssize_t(sizeof(inotify_event)) + reinterpret_cast<inotify_event*>(buffer + i)->len)
                ++aperte;
        return aperte;
    }

private:
    int fd;
};

QImage MetaRossaMetaBlu()
{
    QImage img(400, 300, QImage::Format_RGB32);
    img.fill(Qt::blue);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width() / 2; ++x)
            img.setPixel(x, y, qRgb(255, 0, 0));
    return img;
}

QByteArray Bmp(Qt::GlobalColor colore)
{
    QImage img(64, 48, QImage::Format_RGB32);
    img.fill(colore);
    return Codifica(img, "bmp");
}

// A file's times of change settle once two whole seconds have gone by.
void AttendiCheSiAssestino()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(3100));
}

QByteArray LeggiTutto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList FileIn(const QString& cartella, const QString& filtro)
{
    QStringList file;
    QDirIterator it(cartella, {filtro}, QDir::Files | QDir::System);
    while (it.hasNext())
        file.append(it.next());
    return file;
}

} // namespace

class ProvaCopieFigure : public QObject {
    Q_OBJECT
    QTemporaryDir foto, copie;
    QList<QString> percorsi;
    QString trasparente;
    std::unique_ptr<Aperture> aperture;

    QList<QImage> Carica(QSize lato = {120, 120})
    {
        QList<RichiestaFigura> richieste;
        for (const QString& p : percorsi)
            richieste.append({p, lato});
        QList<QImage> mostrate;
        for (const FiguraNelRiquadro& f : CaricaFigureNeiRiquadri(richieste))
            mostrate.append(f.mostrata);
        return mostrate;
    }
    // As a new run starts: nothing in memory, the copies written.
    static void NuovaEsecuzione() { SvuotaCacheFigure(); }
    // In a new run, the three pictures for a box of lato are shown from
    // their copies, without opening their files.
    void MostrateDalleCopie(QSize lato)
    {
        NuovaEsecuzione();
        QCOMPARE(FileIn(copie.path(), "*.copia").size(), 3);
        aperture->conta();
        QCOMPARE(Carica(lato).size(), 3);
        QCOMPARE(aperture->conta(), 0);
    }
    void SvuotaCopie()
    {
        for (const QString& f : FileIn(copie.path(), "*"))
            QFile::remove(f);
    }

private slots:
    void initTestCase()
    {
        const QByteArray jpeg = Codifica(MetaRossaMetaBlu(), "jpeg");
        Scrivi(foto.filePath("diritta.jpg"), jpeg);
        // Stored lying on its side, shown turned upright: red on top.
        Scrivi(foto.filePath("girata.jpg"), ConOrientamento(jpeg, 6));
        Scrivi(foto.filePath("piatta.bmp"), Bmp(Qt::red));
        percorsi = {foto.filePath("diritta.jpg"), foto.filePath("girata.jpg"), foto.filePath("piatta.bmp")};
        // A red disc on nothing.
        QImage disco(200, 200, QImage::Format_ARGB32);
        disco.fill(Qt::transparent);
        for (int y = 0; y < disco.height(); ++y)
            for (int x = 0; x < disco.width(); ++x)
                if ((x - 100) * (x - 100) + (y - 100) * (y - 100) < 80 * 80)
                    disco.setPixel(x, y, qRgba(255, 0, 0, 255));
        trasparente = foto.filePath("disco.png");
        Scrivi(trasparente, Codifica(disco, "png"));
        servizi().cartellaCopie = copie.path();
        aperture = std::make_unique<Aperture>(foto.path());
        AttendiCheSiAssestino();
    }
    void cleanupTestCase()
    {
        SvuotaCacheFigure();
        servizi().cartellaCopie.clear();
    }

    // First, as the folder is trimmed before the run's first copy: past its
    // bound the copies used longest ago go, down to three quarters of it;
    // other files stay.
    void cartellaEntroIlLimite()
    {
        const qint64 mega = 1024 * 1024;
        for (int giorni = 1; giorni <= 10; ++giorni) {
            QFile f(copie.filePath(QStringLiteral("vecchia%1.copia").arg(giorni)));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(8 * mega));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-giorni), QFileDevice::FileModificationTime));
        }
        QFile altro(copie.filePath("altro.txt"));
        QVERIFY(altro.open(QIODevice::WriteOnly) && altro.resize(8 * mega));
        Carica();
        NuovaEsecuzione();
        qint64 totale = 0;
        for (const QString& f : FileIn(copie.path(), "*.copia") + FileIn(copie.path(), "*.nota"))
            totale += QFileInfo(f).size();
        QVERIFY2(totale <= 48 * mega + mega, qPrintable(QString::number(totale)));
        QVERIFY(QFile::exists(copie.filePath("vecchia1.copia")));
        QVERIFY(!QFile::exists(copie.filePath("vecchia10.copia")));
        QVERIFY(QFile::exists(copie.filePath("altro.txt")));
        for (const QString& f : FileIn(copie.path(), "vecchia*"))
            QFile::remove(f);
    }

    // A later run shows the pictures without opening their files, for the
    // box or one a pixel off, the very pixels decoding gives, turned as
    // their files say; a box of another size is decoded.
    void unaVoltaDecodificate()
    {
        NuovaEsecuzione();
        SvuotaCopie();
        aperture->conta();
        const QList<QImage> prima = Carica();
        QCOMPARE(aperture->conta(), 3);
        QCOMPARE(prima[0].size(), QSize(120, 90));
        QCOMPARE(prima[1].size(), QSize(90, 120));
        QVERIFY(qRed(prima[1].pixel(45, 10)) > 200 && qBlue(prima[1].pixel(45, 110)) > 200);
        NuovaEsecuzione();
        QCOMPARE(Carica(), prima);
        QCOMPARE(Carica({121, 119}), prima);
        QCOMPARE(aperture->conta(), 0);
        NuovaEsecuzione();
        QCOMPARE(Carica({121, 121}), prima);
        QCOMPARE(aperture->conta(), 0);
        Carica({60, 60});
        QCOMPARE(aperture->conta(), 3);
    }

    // Ahead of need, past what the cache may hold, the pictures are still
    // fitted for the copies: each one of three a third of the cache's
    // bound is then shown without reading its file.
    void preparateOltreLaCache()
    {
        NuovaEsecuzione();
        SvuotaCopie();
        PreparaFigure(percorsi, QSize(1000, 1000));
        QVERIFY(AttendiFigurePreparate(60000));
        QVERIFY(ByteCacheFigure() <= CacheMostrateMassima);
        MostrateDalleCopie({1000, 1000});
    }

    // Boxes prepared for the next run alone: their pictures kept among the
    // copies, none of them in memory.
    void preparatePerLaProssima()
    {
        NuovaEsecuzione();
        SvuotaCopie();
        PreparaFigure(percorsi, {}, {QSize(80, 80)});
        QVERIFY(AttendiFigurePreparate(60000));
        QCOMPARE(ByteCacheFigure(), 0);
        MostrateDalleCopie({80, 80});
    }

    // Whatever is found in the folder in a copy's or a note's place, the
    // picture shown is its file's, read and decoded again, and nothing waits.
    void copieGuaste_data()
    {
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<int>("guasto");
        QTest::newRow("a pixel's byte") << "*.copia" << 0;
        QTest::newRow("cut short") << "*.copia" << 1;
        QTest::newRow("a link to another copy") << "*.copia" << 2;
        QTest::newRow("a FIFO") << "*" << 3;
        QTest::newRow("a note's byte") << "*.nota" << 0;
        QTest::newRow("a note grown by a byte") << "*.nota" << 4;
    }
    void copieGuaste()
    {
        QFETCH(QString, filtro);
        QFETCH(int, guasto);
        NuovaEsecuzione();
        SvuotaCopie();
        const QList<QImage> giuste = Carica();
        NuovaEsecuzione();
        const QStringList file = FileIn(copie.path(), filtro);
        QCOMPARE(file.size(), filtro == "*" ? 6 : 3);
        // A link leads to a sound copy: its own, as it was.
        const QString altrove = QDir(copie.path()).filePath("../altrove");
        QDir().mkpath(altrove);
        for (const QString& f : file) {
            QByteArray dati = LeggiTutto(f);
            QVERIFY(QFile::remove(f));
            const QString suaCopia = QDir(altrove).filePath(QFileInfo(f).fileName());
            if (guasto == 0)
                dati[dati.size() - 6] = char(dati[dati.size() - 6] ^ 0x10);
            else if (guasto == 1)
                dati.chop(1);
            else if (guasto == 4)
                dati.append('\0');
            if (guasto == 2) {
                Scrivi(suaCopia, dati);
                QVERIFY(QFile::link(suaCopia, f));
            } else if (guasto == 3) {
                QCOMPARE(::mkfifo(QFile::encodeName(f).constData(), 0600), 0);
            } else {
                Scrivi(f, dati);
            }
        }
        QMap<QString, QByteArray> bersagli;
        for (const QString& f : FileIn(altrove, "*"))
            bersagli[f] = LeggiTutto(f);
        aperture->conta();
        QCOMPARE(Carica(), giuste);
        QCOMPARE(aperture->conta(), 3);
        // What took their place is sound again, and nothing was written
        // where a link led.
        NuovaEsecuzione();
        for (const QString& f : file)
            QVERIFY(QFileInfo(f).isFile() && !QFileInfo(f).isSymLink());
        for (auto b = bersagli.cbegin(); b != bersagli.cend(); ++b)
            QCOMPARE(LeggiTutto(b.key()), b.value());
        QDir(altrove).removeRecursively();
    }

    // A picture with see-through parts comes back from its copy as it was
    // kept, see-through where it was.
    void trasparenteDallaCopia()
    {
        const QList<RichiestaFigura> richiesta{{trasparente, {120, 120}}};
        NuovaEsecuzione();
        const QImage prima = CaricaFigureNeiRiquadri(richiesta).first().mostrata;
        QVERIFY(prima.hasAlphaChannel());
        QCOMPARE(qAlpha(prima.pixel(0, 0)), 0);
        NuovaEsecuzione();
        aperture->conta();
        const QImage dopo = CaricaFigureNeiRiquadri(richiesta).first().mostrata;
        QCOMPARE(aperture->conta(), 0);
        QCOMPARE(dopo.format(), prima.format());
        QCOMPARE(dopo, prima);
    }

    // A file written again in place, its size and time of modification
    // as before, is read again once settled, not taken from its copy.
    void fileRiscritto()
    {
        NuovaEsecuzione();
        const QString piatta = foto.filePath("piatta.bmp");
        QCOMPARE(qRed(Carica()[2].pixel(10, 10)), 255);
        NuovaEsecuzione();
        aperture->conta();
        QCOMPARE(qRed(Carica()[2].pixel(10, 10)), 255);
        QCOMPARE(aperture->conta(), 0);
        NuovaEsecuzione();
        const QByteArray nome = QFile::encodeName(piatta);
        struct stat prima;
        QCOMPARE(::stat(nome.constData(), &prima), 0);
        Scrivi(piatta, Bmp(Qt::blue));
        const timespec tempi[] = {prima.st_atim, prima.st_mtim};
        QCOMPARE(::utimensat(AT_FDCWD, nome.constData(), tempi, 0), 0);
        struct stat dopo;
        QCOMPARE(::stat(nome.constData(), &dopo), 0);
        QCOMPARE(dopo.st_ino, prima.st_ino);
        QCOMPARE(dopo.st_size, prima.st_size);
        QCOMPARE(dopo.st_mtim.tv_nsec, prima.st_mtim.tv_nsec);
        AttendiCheSiAssestino();
        const QImage ora = Carica()[2];
        QCOMPARE(qRed(ora.pixel(10, 10)), 0);
        QCOMPARE(qBlue(ora.pixel(10, 10)), 255);
    }
};

TESSELO_TEST_MAIN(ProvaCopieFigure)
#include "tst_copie_figure.moc"
