#pragma once

#include <QPointer>
#include <QWidget>

class MainWindow;
class QLabel;
class QTimer;

// The borderless title picture shown at start. 1.5 seconds after it appears
// on screen it shows the main window and goes.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);
    ~SplashWindow() override;

    // The size of the borderless window, all picture.
    static QSize clientSize();

    // Shows the main window and closes the splash; its timer calls this once.
    void handOver();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void prepareMainWindow();

    QLabel *m_picture = nullptr;
    QTimer *m_timer = nullptr;
    // Built while the splash is on screen, so that at the hand-over only
    // showing it is left; the splash deletes it if it never gets that far.
    QPointer<MainWindow> m_mainWindow;
    bool m_handedOver = false;
};
