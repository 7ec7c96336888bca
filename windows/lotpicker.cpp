#include "lotpicker.h"

#include "buttonaccessible.h"
#include "catalogue.h"
#include "controlnames.h"
#include "controls.h"
#include "fielderror.h"
#include "keyboardfocus.h"
#include "keydispatch.h"
#include "keymap.h"
#include "lotdiamond.h"
#include "lotnames.h"
#include "numbertext.h"
#include "placement.h"
#include "secondarywindow.h"
#include "spokennotice.h"
#include "spokensummary.h"
#include "townstate.h"
#include "twips.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {

// Row labels along the upper-right edge of the diamond, then column labels
// along the upper-left edge; the last column label stands 120 twips further
// right than the step of its neighbours.
struct EdgeLabel {
    int number;
    int left;
    int top;
    const char *caption;
};

constexpr EdgeLabel kEdgeLabels[] = {
    {2, 1800, 600, "1"}, {3, 2040, 840, "2"}, {4, 2280, 1080, "3"},
    {5, 2520, 1320, "4"}, {6, 2760, 1560, "5"},
    {7, 1200, 600, "1"}, {8, 960, 840, "2"}, {9, 720, 1080, "3"},
    {10, 480, 1320, "4"}, {11, 360, 1560, "5"},
};

const QString kQuestion = QStringLiteral("この建物をどこに建てますか？");

} // namespace

LotPicker::LotPicker(TownState &town, std::vector<KeyDispatch::Handler> gameKeys, QWidget *parent)
    : QWidget(parent)
    , m_town(town)
{
    SecondaryWindow::setUp(*this, QString::fromLatin1(ControlNames::kLotPicker), QStringLiteral("建設物購入"),
                           twipsSize(3465, 2955));

    Controls::addLabel(this, 1, kQuestion, twips(480, 120, 2535, 255));

    for (const EdgeLabel &edge : kEdgeLabels) {
        QLabel *label = Controls::addLabel(this, edge.number, QString::fromLatin1(edge.caption),
                                           twips(edge.left, edge.top, 135, 255));
        if (edge.number == 2) {
            // Qt has no colour for an inactive window border; its inactive
            // mid tone is the nearest system colour.
            QPalette colours = label->palette();
            colours.setColor(QPalette::Window, colours.color(QPalette::Inactive, QPalette::Mid));
            label->setPalette(colours);
        }
    }

    QWidget *previous = nullptr;
    for (int lot = 1; lot <= kLotCount; ++lot) {
        const LotDiamond::Offset offset = LotDiamond::offset(lot);
        QPushButton *button = Controls::addButton(this, lot, QString(),
                                                  twips(1440 + 240 * offset.right, 600 + 240 * offset.down, 255, 255));
        // Named for what stands on the lot whenever a screen reader asks.
        ButtonAccessible::setName(*button, [this, lot] { return lotAccessibleName(m_town, lot); });
        connect(button, &QPushButton::clicked, this, [this, lot, button] {
            // The button keeps the focus; a screen reader hears what now
            // stands on its lot, what it cost and the balance left.
            m_notice->say(placeOn(lot));
            ButtonAccessible::nameChanged(*button);
        });
        m_lots << button;
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }

    QPushButton *cancel = Controls::addButton(this, kLotCount + 1, QStringLiteral("キャンセル"),
                                              twips(2400, 2280, 975, 495));
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    setTabOrder(previous, cancel);

    // The picker opens where a build is wanted: on the first bare lot, lot 1
    // in a new town. Opened on a built lot, one Space would replace it.
    const int firstBare = nextBareLot(kLotCount);
    m_lots.at(firstBare ? firstBare - 1 : 0)->setFocus();

    m_notice = new SpokenNotice(this);
    m_summary = new SpokenSummary(this);

    // The arrows go across the diamond before a lot button takes them.
    using KeyMap::Action;
    gameKeys.emplace_back(Action::BuildAndNext,
                          [this] { buildAndMoveOn(static_cast<int>(m_lots.indexOf(focusWidget())) + 1); });
    gameKeys.emplace_back(Action::HowToLeave, [this] {
        say(QStringLiteral("Esc では閉じません。閉じるのは「キャンセル」、End のあと Tab で行けます"));
    });
    new KeyDispatch(*this, KeyMap::Place::Diamond, m_lots, KeyMap::Place::Picker, std::move(gameKeys));

    // What N said on reaching a lot holds only until the focus leaves it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *) {
        if (old && m_lots.contains(old))
            old->setAccessibleDescription(QString());
    });
}

LotPicker::~LotPicker()
{
    // QWidget's destructor closes the window, which moves the focus after
    // the lots are gone: the application's news of it is no longer ours.
    disconnect(qApp, nullptr, this, nullptr);
}

void LotPicker::say(const QString &text)
{
    m_notice->say(text);
}

void LotPicker::setChosenKind(const QString &kind)
{
    m_chosenKind = kind;
    // As the picker opens or comes back: the kind it places, then the question.
    const BuildingKind *placed = chosen();
    m_summary->say(placed ? QStringLiteral("%1 %2").arg(kindAccessibleName(*placed), kQuestion) : kQuestion);
}

const BuildingKind *LotPicker::chosen() const
{
    return findKind(NumberText::parseNumber(m_chosenKind.toStdString()).value_or(0));
}

QString LotPicker::placeOn(int lot)
{
    const BuildingKind *built = chosen();
    try {
        placeBuilding(m_town, m_chosenKind.toStdString(), lot);
    } catch (const FieldError &) {
        // The placement changed nothing; a kind that is not a number builds nothing.
        built = nullptr;
    }
    return buildAccessibleNotice(m_town, lot, built);
}

void LotPicker::buildAndMoveOn(int lot)
{
    // N fills bare lots only: replacing a building is a deliberate Space or Enter.
    const bool bare = m_town.lotPicture(lot) == TownState::kBareLand;
    QString notice = bare ? placeOn(lot) : QStringLiteral("区画%1は建物があるので建てません").arg(lot);
    const int next = nextBareLot(lot);
    if (next && next != lot) {
        QWidget *nextLot = m_lots.at(next - 1);
#ifdef Q_OS_LINUX
        // Orca speaks the lot the focus reaches, then its description: the
        // notice, heard once and whole, where a notice said beside the move
        // would cut the lot short.
        nextLot->setAccessibleDescription(notice);
        notice.clear();
#else
        notice += QStringLiteral("、次は区画%1").arg(next);
#endif
        KeyboardFocus::move(*nextLot);
    } else if (!next) {
        notice += QStringLiteral("、空き地はもうありません");
    }
    if (!notice.isEmpty())
        m_notice->say(notice);
    if (bare)
        ButtonAccessible::nameChanged(*static_cast<QPushButton *>(m_lots.at(lot - 1)));
}

int LotPicker::nextBareLot(int after) const
{
    for (int step = 1; step <= kLotCount; ++step) {
        const int lot = (after - 1 + step) % kLotCount + 1;
        if (m_town.lotPicture(lot) == TownState::kBareLand)
            return lot;
    }
    return 0;
}
