#pragma once
// The document's window view: one square picture of one document, redrawn
// from scratch at every paint, on the screen and on the printed page. The
// view only reads the model (the rotation angle aside); it never evaluates.

#include <QWidget>

#include "view/MemoryFailureNotice.h"
#include "view/Picture.h"
#include "view/Picture3D.h"
#include "view/SpaceGestures.h"
#include "view/SpaceWindow.h"
#include "view/ThinnedFrames.h"

class CCurvilinearscopeDoc;
class CPlaneNavigator;
class QMenu;
class QPrinter;

class CCurvilinearscopeView : public QWidget {
    Q_OBJECT
public:
    explicit CCurvilinearscopeView(QWidget* parent = nullptr);

    // The document shown; nullptr shows an empty white window. The view does
    // not own it.
    void SetDocument(CCurvilinearscopeDoc* doc);
    CCurvilinearscopeDoc* GetDocument() const { return m_pDocument; }

    // Draws the picture on the printer's current page (print and preview
    // alike). False when the printer cannot be painted on. A page the
    // memory ran out for is printed as far as it came and told of as a
    // paint is (outOfMemory).
    bool PrintPage(QPrinter& printer);

    // The space picture of this view; it may keep what it prepared between
    // paints.
    CPicture3D& Picture3D() { return m_picture3D; }

    // Carries an arrow command (ID_ARROW_RIGHT ...) out; nothing without a
    // document.
    void OnArrowCommand(int id);
    // The context menu "Arrow", owned by parent: its items carry their
    // commands out on this view and are brought up to date each time it is
    // about to show.
    QMenu* CreateArrowMenu(QWidget* parent);

    // Zooming and panning the plane picture, this window's own (see
    // PlaneNavigator.h); the document never changes by it.
    CPlaneNavigator& Navigator() { return *m_pNavigator; }
    // The View menu's zoom commands on this window's picture: about its
    // centre, and back to the document's own view; a space picture's scale
    // and tilt likewise.
    void ZoomIn();
    void ZoomOut();
    void ZoomHome();
    // The scale and tilt this window shows a space picture at; never part
    // of the document.
    const CSpaceWindow& SpaceWindow() const { return m_spaceWindow; }
    // Zooms, tilts, turns or brings home the space picture (nothing for a
    // plane one) and repaints; frames are thinned until the input rests.
    void ApplySpaceGesture(const SpaceGesture& gesture);

public slots:
    // The document changed (not only its angle): repaint the whole picture.
    void OnUpdate();
    // The document's angle changed, in this window or another of the
    // document: repaint, thinned while the turning goes on.
    void OnTurned();

signals:
    // A text for the main window's status-bar message pane; an empty text
    // asks for the idle text.
    void statusMessage(const QString& text);
    // The document's rotation angle changed; other views of the same
    // document should repaint.
    void angleChanged();
    // A paint or printed page ran out of memory and shows only part of the
    // picture. Sent after the paint (queued), once for the same graphs:
    // repaints, turns and resizes that fail the same way send nothing more
    // until a paint succeeds or the graphs change.
    void outOfMemory();

protected:
    void paintEvent(QPaintEvent* event) override;

    // The cross-hair and coordinate read-out of the plane picture, the arrow
    // keys, the "Arrow" context menu, and turning the space picture by
    // dragging.
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    DrawOutcome PaintPicture(QPainter& painter);
    void NoteOutcome(DrawOutcome outcome);
    // The cross-hair over a plane picture, the usual arrow otherwise.
    void UpdateCursor();
    void ShowArrowMenu(QPoint globalPos);
    // Turns the space picture of the document by delta radians and repaints
    // this view; other views of the document repaint on angleChanged.
    void TurnPicture(double delta);
    bool ShowsSpace() const;

    CCurvilinearscopeDoc* m_pDocument = nullptr;
    CMemoryFailureNotice m_memoryNotice;
    CPicture3D m_picture3D;
    CPlaneNavigator* m_pNavigator;  // a child of the view
    // The space picture's window, its gestures and the pacing of its frames;
    // the angle itself lives in the document only.
    CSpaceWindow m_spaceWindow;
    CSpaceGestures m_spaceGestures;
    CThinnedFrames m_thinnedFrames;
};
