// Pictures on the program's screens: one photo in every place it can stand,
// loaded by a screen and prepared ahead of need at the same time, and a square
// picture kept square in every kind of box.
#include "app/Immagini.h"
#include "app/Servizi.h"
#include "controls/Faccia.h"
#include "controls/Immagine.h"
#include "screens/Schermi.h"
#include "screens/Schermo.h"
#include "tests/support/Ambiente.h"
#include "tests/support/CasoFiglio.h"
#include "tests/support/Codifica.h"
#include "tests/support/MainProva.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

// Ends the test program, naming what it was doing, when that takes longer
// than a deadlock-free run ever could: a deadlock then fails the suite at
// once rather than hang it until ctest gives up.
class Sorveglianza {
public:
    Sorveglianza(const char* cosa, std::chrono::seconds limite)
        : guardia([this, cosa, limite] {
              std::unique_lock blocco(mutex);
              if (!fine.wait_for(blocco, limite, [this] { return finito; })) {
                  std::fprintf(stderr, "FAIL: %s still not done after %lld s: deadlock\n", cosa,
                               static_cast<long long>(limite.count()));
                  std::_Exit(3);
              }
          })
    {
    }
    ~Sorveglianza()
    {
        {
            const std::lock_guard blocco(mutex);
            finito = true;
        }
        fine.notify_all();
    }

private:
    std::mutex mutex;
    std::condition_variable fine;
    bool finito = false;
    std::jthread guardia;  // last: started once the rest is ready
};

// The program's media folder with every picture (blocks and attributes)
// replaced by the same bytes.
class StessaFiguraOvunque {
public:
    explicit StessaFiguraOvunque(const QByteArray& dati)
    {
        QDirIterator file(QStringLiteral(TESSELO_APP_DIR "/jpg"), QDir::Files, QDirIterator::Subdirectories);
        while (file.hasNext()) {
            const QString relativo = QDir(QStringLiteral(TESSELO_APP_DIR)).relativeFilePath(file.next());
            QDir().mkpath(QFileInfo(cartella.filePath(relativo)).path());
            QFile f(cartella.filePath(relativo));
            if (!f.open(QIODevice::WriteOnly) || f.write(dati) != dati.size())
                qFatal("cannot write the test media");
            percorsi.append(f.fileName());
        }
        servizi().cartellaApplicazione = cartella.path();
    }
    QTemporaryDir cartella;
    QStringList percorsi;
};

// A photo as a phone takes it: a smooth gradient, so that it is neither tiny
// nor quick to decode.
QByteArray Foto(QSize dimensione)
{
    QImage img(dimensione, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            riga[x] = qRgb(x * 255 / img.width(), y * 255 / img.height(), 128);
    }
    return Codifica(img, "jpeg");
}

void ApriSchermo(IdSchermo id)
{
    for (IdSchermo aperto : {IdSchermo::FormAvvio, IdSchermo::formMenu, IdSchermo::FormTrova, IdSchermo::zirp3})
        if (aperto != id && Schermi::Trova(aperto)->caricato())
            Schermi::Trova(aperto)->Scarica();
    SvuotaEventi();
    if (!Schermi::Trova(id)->caricato())
        Schermi::Mostra(id);
    SvuotaEventi();
}

// The colour of the square picture, and the background it is painted on.
constexpr QRgb ColoreFigura = qRgb(200, 40, 160);
constexpr QRgb ColoreSfondo = qRgb(0, 255, 255);

bool Vicino(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 90;
}

// The pixels of a control painted on a plain background, in device pixels,
// and the smallest rectangle that holds those that belong to the picture.
QRect DoveSiVede(QWidget* controllo, const std::function<bool(QRgb)>& dellaFigura, QSize* dipinto)
{
    const qreal scala = controllo->devicePixelRatioF();
    QPixmap tela(controllo->size() * scala);
    tela.setDevicePixelRatio(scala);
    tela.fill(ColoreSfondo);
    controllo->render(&tela, {}, {}, QWidget::DrawChildren);
    const QImage img = tela.toImage().convertToFormat(QImage::Format_RGB32);
    *dipinto = img.size();
    QRect dove;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (dellaFigura(img.pixel(x, y)))
                dove |= QRect(x, y, 1, 1);
    return dove;
}

} // namespace

class ProvaFigureSchermi : public QObject {
    Q_OBJECT
private slots:
    // Its photos are made afresh for each case: copies kept for a later run
    // would serve nobody, and fitting every photo to every box for them
    // would keep the preparation going long after the screens are shown.
    void initTestCase() { servizi().cartellaCopie.clear(); }

    // One phone photo copied over every picture: the start screen and "trova
    // il blocco" (twelve places) show it, while the thread that prepares
    // pictures ahead of need decodes the same bytes; sizes that do and do not
    // divide by 8 (the reduced decodings of a JPEG), and a header that claims
    // 8000 × 7999 pixels in a file of a few hundred bytes. Repeated with the
    // cache emptied, so that the two threads meet at different moments.
    void unaFotoInOgniPosto_nessunoAttendeSeStesso_data()
    {
        QTest::addColumn<QByteArray>("foto");
        QTest::newRow("4624 x 3468") << Foto({4624, 3468});
        QTest::newRow("4000 x 3000") << Foto({4000, 3000});
        QTest::newRow("1001 x 999") << Foto({1001, 999});
        // A small JPEG whose frame header is patched to 8000 × 7999.
        QByteArray finta = Codifica(QImage(16, 16, QImage::Format_RGB32), "jpeg");
        const qsizetype sof = finta.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        finta[sof + 5] = char(7999 >> 8);
        finta[sof + 6] = char(7999 & 0xFF);
        finta[sof + 7] = char(8000 >> 8);
        finta[sof + 8] = char(8000 & 0xFF);
        QTest::newRow("8000 x 7999 header") << finta;
    }
    void unaFotoInOgniPosto_nessunoAttendeSeStesso()
    {
        QFETCH(QByteArray, foto);
        Ambiente a;
        const StessaFiguraOvunque media(foto);
        const Sorveglianza sorveglianza(QTest::currentDataTag(), std::chrono::seconds(90));
        for (int giro = 0; giro < 12; ++giro) {
            SvuotaCacheFigure();
            const IdSchermo id = giro % 2 ? IdSchermo::FormTrova : IdSchermo::FormAvvio;
            // The preparation starts at once: the screen's own load lands
            // while it decodes its first picture, once it has prepared one,
            // or once it is done.
            PreparaFigure(media.percorsi, QSize(200 + giro, 180));
            if (giro % 3 == 1)
                QTRY_VERIFY_WITH_TIMEOUT(ByteCacheFigure() > 0, 30000);
            else if (giro % 3 == 2)
                QVERIFY(AttendiFigurePreparate(30000));
            ApriSchermo(id);
            for (Immagine* figura : Schermi::Trova(id)->finestra()->findChildren<Immagine*>())
                QVERIFY2(!figura->vuota() || !figura->isVisible(), qPrintable(figura->objectName()));
            // The same files asked for from this thread while the other
            // prepares them at the box size the screen asks for, or once it
            // has.
            PreparaFigure(media.percorsi, Schermi::Trova(id)->finestra()->findChild<Immagine*>()->latoMassimo());
            if (giro / 3 % 2)
                QVERIFY(AttendiFigurePreparate(30000));
            QList<RichiestaFigura> richieste;
            for (const QString& p : media.percorsi.mid(0, 12))
                richieste.append({p, QSize(300, 220)});
            for (const Figura& f : CaricaFigure(richieste))
                QVERIFY(!f.nome.isEmpty());
        }
        QVERIFY(AttendiFigurePreparate(30000));
    }

    // A square picture in every kind of box (the blocks of the start screen,
    // of "trova il blocco" and of "quanti sono ?", the attribute picture and
    // the feedback faces) stays square within a pixel, as large as fits and
    // in the middle, at two window sizes and on a screen of twice the pixel
    // density (run in a process of its own).
    void figuraQuadrata_restaQuadrata_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<QSize>("finestra");
        QTest::addColumn<int>("densita");
        const std::pair<const char*, IdSchermo> schermi[] = {
            {"start", IdSchermo::FormAvvio}, {"trova", IdSchermo::FormTrova}, {"quanti", IdSchermo::zirp3}};
        for (const auto& [nome, id] : schermi)
            for (const QSize finestra : {QSize(1024, 768), QSize(1920, 1080)})
                for (int densita : {1, 2})
                    QTest::addRow("%s %dx%d dpr %d", nome, finestra.width(), finestra.height(), densita)
                        << int(id) << finestra << densita;
    }
    void figuraQuadrata_restaQuadrata()
    {
        QFETCH(int, schermo);
        QFETCH(QSize, finestra);
        QFETCH(int, densita);
        if (qRound(qApp->devicePixelRatio()) != densita) {
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert("QT_SCALE_FACTOR", QString::number(densita));
            const CasoFiglio figlio(ambiente, 120000);
            QVERIFY2(figlio.passato, qPrintable(figlio.uscita));
            return;
        }
        QImage quadrato(300, 300, QImage::Format_RGB32);
        quadrato.fill(ColoreFigura);
        Ambiente a;
        // PNG bytes under the JPEG names: exact colours, read all the same.
        const StessaFiguraOvunque media(Codifica(quadrato, "png"));
        const IdSchermo id = IdSchermo(schermo);
        ApriSchermo(id);
        Ridimensiona(id, finestra);
        QWidget* superficie = Schermi::Trova(id)->finestra();
        int visti = 0;
        for (QWidget* controllo : superficie->findChildren<QWidget*>()) {
            std::function<bool(QRgb)> dellaFigura;
            if (auto* figura = qobject_cast<Immagine*>(controllo); figura && !figura->vuota())
                dellaFigura = [](QRgb c) { return Vicino(c, ColoreFigura); };
            else if (qobject_cast<Faccia*>(controllo))
                dellaFigura = [](QRgb c) { return !Vicino(c, ColoreSfondo); };
            else
                continue;
            ++visti;
            // The focus frame is drawn over the picture's edge.
            controllo->clearFocus();
            QSize riquadro;
            const QRect dove = DoveSiVede(controllo, dellaFigura, &riquadro);
            const QString cosa = QStringLiteral("%1 in %2x%3: %4x%5 at %6,%7")
                                     .arg(controllo->objectName()).arg(riquadro.width()).arg(riquadro.height())
                                     .arg(dove.width()).arg(dove.height()).arg(dove.x()).arg(dove.y());
            QVERIFY2(std::abs(dove.width() - dove.height()) <= 1, qPrintable("not square: " + cosa));
            QVERIFY2(std::abs(std::min(riquadro.width(), riquadro.height()) - dove.width()) <= 2
                         || qobject_cast<Faccia*>(controllo),
                     qPrintable("not as large as fits: " + cosa));
            QVERIFY2(std::abs(dove.left() - (riquadro.width() - 1 - dove.right())) <= 1
                         && std::abs(dove.top() - (riquadro.height() - 1 - dove.bottom())) <= 1,
                     qPrintable("not centred: " + cosa));
        }
        QVERIFY2(visti >= 3, qPrintable(QString::number(visti)));
    }
};

TESSELO_TEST_MAIN(ProvaFigureSchermi)
#include "tst_figure_schermi.moc"
