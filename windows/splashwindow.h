#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The borderless title picture shown at start. 1.5 seconds after it appears
// it opens the main window and goes.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);

    // Opens the main window and closes the splash; its timer calls this once.
    void handOver();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_picture = nullptr;
    QTimer *m_timer = nullptr;
    bool m_handedOver = false;
};
