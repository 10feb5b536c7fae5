#pragma once
// The canvas on which the chart is calibrated and its points are captured:
// the picture at the current zoom and scroll position with the overlay over
// it, both scroll bars, and CONTROL + wheel zoom about the pointer.

#include "core/state/app_state.h"
#include "core/view/mouse_modes.h"
#include "core/view/view_math.h"
#include "gui/platform/shell_services.h"
#include "gui/view/picture.h"

#include <QAbstractScrollArea>
#include <QFutureWatcher>
#include <QImage>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>
#include <vector>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QMenu;

namespace vex {

class Magnifier;
class Prompts;

class ImageView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    ImageView(AppState& s, Picture& picture, ShellServices& shell, QWidget* parent = nullptr);

    // Loads the picture the project names. False when nothing was loaded;
    // the previous picture and state then stay. The project's loading tells
    // of a failure.
    bool LOADBMPFROMFILE1();
    // Loads the picture at `path`; a failure is told through `prompts`
    // unless that is null.
    bool openPictureFile(const QString& path, Prompts* prompts);
    // Shows a picture that has no file (a pasted one, a page of a PDF) as a
    // new picture.
    void showPictureWithoutFile(const QImage& image);
    // Drops the picture (the panel's .BMP Delete).
    void dropPicture();

    // Milliseconds for the zoom speed rule; replaceable in tests.
    void setTickSource(std::function<std::int64_t()> ticks) { ticks_ = std::move(ticks); }

    // One scroll bar request, as the bars send them.
    void scrollBy(Qt::Orientation orientation, ScrollCode code, std::int32_t trackPosition = 0);
    // CONTROL + plus and minus: zoom steps about the view's centre, as the
    // wheel makes them; CONTROL + 0: back to the fitted view.
    void zoomFromKeyboard(int notches);
    void zoomToFit();
    // Brings both bars up to date with the view state.
    void updateScrollBars();

    // Paints the whole canvas into `painter` (also used for offscreen rendering).
    void paintCanvas(QPainter& painter, const QRect& client);
    // Every frame as it will stay: the reduced picture made before the
    // frame, not beside it (for screenshots and for tests that compare pixels).
    void setFramesSettledAtOnce(bool settled) { framesSettledAtOnce_ = settled; }
    // Halved copies or a reduced picture are being made for the frames to come.
    bool reducing() const { return working_; }

    // The pop-up menu of the view (Copy and Paste of the table).
    void setContextMenu(QMenu* menu) { contextMenu_ = menu; }

    // The magnifier beside the pointer while points or markers are placed.
    void setMagnifierShown(bool shown);
    const QWidget& magnifier() const;
    // The chart values under the pointer, in a corner of the canvas.
    const QLabel& pointerReadout() const { return *readout_; }

  signals:
    // After each paint: whether the calibration quadrilateral may be confirmed.
    void calibrationShapeChecked(bool usable);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int, int) override {} // positions are ours, not the bars'

  private:
    // The picture now in `picture_` becomes the document's (from `path`, or none).
    void showTakenPicture(const std::string& path);
    // A picture is loaded and decoded: there is something to scroll and zoom.
    bool showsPicture() const { return s_.work.ImageLoaded != 0 && !picture_.isNull(); }
    // The edit a left press or double click begins.
    EditKind editOfLeftButton(bool capturing) const;
    void onBarAction(Qt::Orientation orientation, int action);
    void syncBar(Qt::Orientation orientation);
    void zoomAbout(int notches, std::int64_t now, QPoint at);
    void scrollByWheel(Qt::Orientation orientation, int notches);
    void drawPicture(QPainter& painter, const QRect& client);
    // Starts making in another thread the picture's halved copies if they
    // are missing, and the reduced picture of `reduceTo` if that is valid
    // (or lets the same work under way go on); false when no reduced
    // picture of that size is kept.
    bool workBeside(const QSize& reduceTo);
    // The reduced copy of the whole picture, where it is kept and ready;
    // false when the frame is to be drawn another way.
    bool drawReducedCopy(QPainter& painter, const QRect& target, const QRect& visible, qreal ratio);
    struct ShownPartKey;
    void drawSmoothed(QPainter& painter, const ShownPartKey& key, const QImage& level,
                      const QRectF& source);
    void startWork();
    void takeWork();
    void apply(const MouseEffects& e);
    void showMarkerPrompt();
    void showPlacingAids();
    void showMagnifier();
    void showReadout();

    AppState& s_;
    Picture& picture_;
    ShellServices& shell_;
    std::function<std::int64_t()> ticks_;
    int wheelRemainder_ = 0;              // partial notches of fine-grained wheels
    std::optional<EditKind> pendingEdit_; // recorded once the left button is up
    bool syncingBars_ = false;
    QTimer promptTimer_;
    QMenu* contextMenu_ = nullptr;
    Magnifier* magnifier_ = nullptr;
    QLabel* readout_ = nullptr;
    bool magnifierShown_ = true;
    bool framesSettledAtOnce_ = false;
    // The smoothed visible part of the picture, and what it shows.
    struct ShownPartKey {
        qint64 level = 0;
        QRect target;
        QRect visible;
        qreal ratio = 0;
        bool operator==(const ShownPartKey&) const = default;
    };
    struct ShownPart {
        ShownPartKey key;
        QImage image;
    } shownPart_;
    ShownPartKey lastSmoothed_; // what the last smoothed frame showed
    struct PictureWork {
        bool halved = false;
        std::vector<QImage> halvings;
        QImage reduced;
    };
    QThreadPool worker_;
    std::shared_ptr<std::atomic<int>> latestWork_ = std::make_shared<std::atomic<int>>(0);
    QFutureWatcher<PictureWork> work_;
    QTimer workDelay_; // the view still for a moment before work begins
    bool working_ = false;
    int workGeneration_ = -1;
    QSize reducing_; // the size of reduced picture being made, if one is
    bool pointerInside_ = false;
};

} // namespace vex
