#pragma once

#include <QObject>

class QWidget;

// Centres a top-level window on the primary screen as the player sees it,
// frame and all. A window manager frames a window only once it is mapped, so
// until then the frame is unknown: the window is centred as if it had none,
// and once more by the first move that reveals the frame, which Qt reports
// before the window is first painted. Then it leaves the window to the player.
class FrameCentring : public QObject {
    Q_OBJECT

public:
    // Centres the window now and, while its frame is unknown, again when it is known.
    static void centre(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FrameCentring(QWidget &window);

    static void moveFrameToCentre(QWidget &window);
    static bool frameKnown(const QWidget &window);
};
