#pragma once

#include <QList>
#include <QString>
#include <QWidget>

struct BuildingKind;
class SpokenNotice;
class SpokenSummary;
class TownState;

// The window "建設物購入" that asks on which lot to build the chosen kind. It
// stays open after each placement, so one kind can go on several lots.
class LotPicker : public QWidget {
    Q_OBJECT

public:
    explicit LotPicker(TownState &town, QWidget *parent = nullptr);

    // The chosen kind, as the decimal text the main window's kind button gave.
    QString chosenKind() const { return m_chosenKind; }
    void setChosenKind(const QString &kind);

private:
    const BuildingKind *chosen() const;
    QString placeOn(int lot);
    void buildAndMoveOn(int lot);

    TownState &m_town;
    SpokenNotice *m_notice = nullptr;
    SpokenSummary *m_summary = nullptr;
    QList<QWidget *> m_lots;
    // Until a kind button writes the kind, nothing can be built.
    QString m_chosenKind = QStringLiteral("Text1");
};
