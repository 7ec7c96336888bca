#pragma once

#include <QGroupBox>

// A frame with a caption around a group of options. A screen reader names the
// group by each option's label, which is the caption; it would name it again
// as a panel the player enters (Orca 48 does both), so to a reader the frame
// itself only lays the options out.
class OptionGroup : public QGroupBox {
    Q_OBJECT

public:
    OptionGroup(const QString &caption, QWidget *parent);
};
