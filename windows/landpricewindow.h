#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class SpokenSummary;

// The small window "地価" that shows the town's total land value as it stood
// when the window was last opened.
class LandPriceWindow : public QWidget {
    Q_OBJECT

public:
    explicit LandPriceWindow(QWidget *parent = nullptr);

    // Shows the total land value's text exactly as the town holds it.
    void showTotalLandValue(const QString &text);

private:
    QLabel *m_value = nullptr;
    QPushButton *m_ok = nullptr;
    SpokenSummary *m_summary = nullptr;
};
