#include <QtTest>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QtPlugin>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <memory>

#include "app/menuwindow.h"
#include "app/splashwindow.h"
#include "core/numbers.h"
#include "core/units.h"
#include "kit/announcer.h"
#include "kit/clicklabel.h"
#include "kit/listbox.h"
#include "kit/look.h"
#include "kit/toolwindow.h"
#include "tests/support/toolfixture.h"
#include "tests/support/windows.h"
#include "ui/pitagoraswindow.h"
#include "ui/tools.h"

// What a screen reader gets from every window: each control the user reads,
// types into or clicks has a name of its own, its tooltip as its description,
// and a list that would be read out by its current item says what it is for.
// Controls sit in named groups or bare containers, never in something a screen
// reader takes for a window of its own; results are spoken without the focus
// moving, through the platform's accessibility events.
// And what every reader gets: each number shown whole.
class tst_Accessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void every_control_is_named_data();
    void every_control_is_named();
    void controls_sit_in_named_groups_data();
    void controls_sit_in_named_groups();
    void measure_boxes_follow_their_captions_data();
    void measure_boxes_follow_their_captions();
    void about_paragraphs_are_read_out_whole();
    void news_is_spoken_where_the_focus_stays_data();
    void news_is_spoken_where_the_focus_stays();
    void focus_is_reported_where_the_user_is_data();
    void focus_is_reported_where_the_user_is();
    void option_buttons_take_a_click_anywhere_on_them_data();
    void option_buttons_take_a_click_anywhere_on_them();
    void every_press_action_returns_before_its_box_shows_data();
    void every_press_action_returns_before_its_box_shows();
    void every_number_shows_whole_data();
    void every_number_shows_whole();

private:
    QWidget* open(const QString& window);
    void run(QWidget* opened, const QString& steps);

    std::unique_ptr<ToolFixture> m_fixture;
    std::vector<std::unique_ptr<QWidget>> m_windows;
};

namespace {

// The parts Qt builds inside a list (its line edit, its popup) belong to the list.
bool insideComboBox(const QWidget* widget)
{
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox*>(w))
            return true;
    }
    return false;
}

bool isPicture(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label && label->text().isEmpty() && !label->pixmap().isNull();
}

bool isControl(const QWidget* widget)
{
    if (insideComboBox(widget) || qobject_cast<const QMenu*>(widget))
        return false;
    return widget->focusPolicy() != Qt::NoFocus || qobject_cast<const QLineEdit*>(widget)
           || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractItemView*>(widget)
           || qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const kit::ClickLabel*>(widget)
           || isPicture(widget);
}

bool hasBuddy(const QWidget* window, const QWidget* control)
{
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [control](const QLabel* l) { return l->buddy() == control; });
}

// Whether any of control shows: its rectangle clipped by every parent up to the window.
bool inView(const QWidget* window, const QWidget* control)
{
    QRect shown = control->rect();
    for (const QWidget* w = control; w != window; w = w->parentWidget())
        shown = shown.translated(w->pos()) & w->parentWidget()->rect();
    return !shown.isEmpty();
}

// The contrast ratio of two colours by their relative luminance, 1 to 21.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// An unchosen option's circle stands out at least 3:1 from the panel it
// lies on, all round: as many such pixels as its circumference.
QString circleFault(const QRadioButton* option)
{
    QStyleOptionButton style;
    style.initFrom(option);
    style.rect = option->contentsRect();
    const QRect place = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
    const QImage image =
        const_cast<QRadioButton*>(option)->grab(QRect(place.left(), 0, place.width(), option->height())).toImage();
    const QColor panel = option->palette().color(option->backgroundRole());
    int standingOut = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            standingOut += contrast(image.pixelColor(x, y), panel) >= 3.0;
    const int diameter = std::min(place.width(), option->height() - 2 * kit::kFocusMarkRoom);
    if (standingOut >= 3 * diameter)
        return {};
    return QStringLiteral("%1: circle of %2 pixels at 3:1, not %3")
        .arg(controlName(option))
        .arg(standingOut)
        .arg(3 * diameter);
}

// Every fault of one control, as "objectName: what is wrong".
QStringList faults(const QWidget* window, const QWidget* control)
{
    QStringList found;
    if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(window) && control->isEnabled()
        && !inView(window, control))
        found << controlName(control) + QStringLiteral(": takes Tab out of view");
    const QString name = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control))->text(QAccessible::Name);
    const QString who = controlName(control);
    if (isControl(control) && (name.trimmed().isEmpty() || name == control->objectName()))
        found << who + QStringLiteral(": no name");
    // The tooltip as it is heard (its numbers with the language's decimal mark),
    // less the name it may start with; a tooltip that only says the name leaves
    // the description free.
    const QString heardTip = control->toolTip().trimmed().replace(QLatin1Char('.'), QLatin1Char(','));
    const QString description = control->accessibleDescription().replace(QLatin1Char('.'), QLatin1Char(','));
    if (!control->toolTip().isEmpty() && description != heardTip && heardTip.compare(name, Qt::CaseInsensitive) != 0
        && !(heardTip.startsWith(name, Qt::CaseInsensitive) && heardTip.contains(description)))
        found << who + QStringLiteral(": tooltip is not the description");
    if (!name.isEmpty() && description.startsWith(name, Qt::CaseInsensitive))
        found << who + QStringLiteral(": described by its own name");
    if (qobject_cast<const QComboBox*>(control) && control->accessibleDescription().isEmpty()
        && !hasBuddy(window, control))
        found << who + QStringLiteral(": list without buddy or description");
    // The full name its tooltip holds, not the shortened caption.
    if (const auto* option = qobject_cast<const QRadioButton*>(control);
        option && name != (option->toolTip().isEmpty() ? option->text() : option->toolTip().trimmed()))
        found << who + QStringLiteral(": option named other than its tooltip or caption");
    if (const auto* option = qobject_cast<const QRadioButton*>(control); option && !option->isChecked())
        found << circleFault(option);
    found.removeAll(QString());
    return found;
}

QStringList faultsOf(const QWidget* window)
{
    QStringList found;
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets)
        found << faults(window, widget);
    return found;
}

QColor commonestColour(const QImage& image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return QColor::fromRgb(most->first);
}

// The pixels between the focus mark (what the focus changes, a band of its
// width) and the nearest pixel inside it that stands apart from the background.
int gapInsideMark(const QImage& before, const QImage& after, const QColor& background)
{
    QRect mark;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y))
                mark |= QRect(x, y, 1, 1);
    const int width = kit::kFocusMarkWidth;
    const QRect inside = mark.adjusted(width, width, -width, -width);
    int gap = std::numeric_limits<int>::max();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (contrast(after.pixelColor(x, y), background) >= 1.5)
                gap = std::min({gap, x - inside.left(), inside.right() - x, y - inside.top(), inside.bottom() - y});
    return gap;
}

// A focused control's mark, measured in the window grabbed without the focus and
// with it: the pixels the focus changes that stand out at least 3:1 from the
// control's background (its commonest colour without the focus) must be as many
// as a line of one pixel round the control.
QString focusMarkFault(QWidget* window, QWidget* control)
{
    const QRect place(control->mapTo(window, QPoint()), control->size());
    control->clearFocus();
    const QImage before = window->grab(place).toImage().convertToFormat(QImage::Format_RGB32);
    control->setFocus(Qt::TabFocusReason);
    const QImage after = window->grab(place).toImage().convertToFormat(QImage::Format_RGB32);
    const QColor background = commonestColour(before);
    int standingOut = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y) && contrast(after.pixelColor(x, y), background) >= 3.0)
                ++standingOut;
    const int line = 2 * (after.width() + after.height());
    if (standingOut < line)
        return QStringLiteral("%1: focus mark of %2 pixels at 3:1, not %3")
            .arg(controlName(control))
            .arg(standingOut)
            .arg(line);
    const int gap = gapInsideMark(before, after, background);
    if (gap < 2)
        return QStringLiteral("%1: %2 px between the focus mark and what it surrounds")
            .arg(controlName(control))
            .arg(gap);
    return {};
}

// Every control that Tab reaches shows where the focus is.
QStringList focusMarkFaults(QWidget* window)
{
    QStringList found;
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* control : widgets) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(window) && control->isEnabled()
            && !insideComboBox(control) && !control->isWindow())
            found << focusMarkFault(window, control);
    }
    found.removeAll(QString());
    return found;
}

// Roles a screen reader takes for a window of its own, which is never active.
bool isWindowLike(QAccessible::Role role)
{
    return role == QAccessible::Window || role == QAccessible::Dialog || role == QAccessible::Border;
}

QString describe(QAccessibleInterface* iface)
{
    const QObject* object = iface->object();
    return object && !object->objectName().isEmpty() ? object->objectName() : iface->text(QAccessible::Name);
}

// A control that takes the focus takes it from assistive technology too.
QStringList setFocusFaults(QAccessibleInterface* iface)
{
    auto* control = qobject_cast<QWidget*>(iface->object());
    if (!control || control->focusPolicy() == Qt::NoFocus || !control->isVisible() || !control->isEnabled())
        return {};
    QAccessibleActionInterface* actions = iface->actionInterface();
    if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::setFocusAction()))
        return {describe(iface) + QStringLiteral(": no set-focus action")};
    actions->doAction(QAccessibleActionInterface::setFocusAction());
    const QWidget* focused = control->window()->focusWidget();
    if (focused != control && focused != control->focusProxy())
        return {describe(iface) + QStringLiteral(": set-focus action leaves the focus elsewhere")};
    return {};
}

// Walks the tree below iface as a screen reader sees it. windowLike names the
// nearest window-like ancestor below the top level, if any.
void treeFaults(QAccessibleInterface* iface, const QString& windowLike, QStringList& found)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child)
            continue;
        if (child->role() == QAccessible::Grouping && child->text(QAccessible::Name).trimmed().isEmpty())
            found << describe(child) + QStringLiteral(": group without a name");
        if (child->state().focusable && !windowLike.isEmpty())
            found << describe(child) + QStringLiteral(": inside window-like ") + windowLike;
        found << setFocusFaults(child);
        treeFaults(child, isWindowLike(child->role()) ? describe(child) : windowLike, found);
    }
}

// A value of the converter is read with the unit beside it in words, row for row.
void valueRowFaults(QWidget* window, QStringList& found)
{
    auto* values = window->findChild<QListWidget*>(QStringLiteral("List3"));
    if (!values)
        return;
    std::int16_t category = 0;
    for (std::int16_t c = 1; c < 3; ++c)
        if (window->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(c + 1))->isChecked())
            category = c;
    const std::vector<std::string> units = core::CatalogoUnidades::spokenNames(category);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(values);
    for (int row = 0; row < values->count(); ++row) {
        const QString name = list->child(row)->text(QAccessible::Name);
        if (static_cast<std::size_t>(row) >= units.size()
            || !name.endsWith(QLatin1Char(' ') + QString::fromStdString(units[static_cast<std::size_t>(row)])))
            found << QStringLiteral("List3 row %1 without its unit: %2").arg(row).arg(name);
    }
}

// The texts announced through the platform's accessibility events, in order.
QStringList& spoken()
{
    static QStringList texts;
    return texts;
}

// A control as a screen reader says it on entering it: its name, a list's
// value, an option's state.
QString heardOnFocus(QAccessibleInterface* iface)
{
    QString heard = iface->text(QAccessible::Name);
    if (iface->role() == QAccessible::ComboBox)
        heard += QStringLiteral(", ") + iface->text(QAccessible::Value);
    return heard + (iface->state().checked ? QStringLiteral(" (marcado)") : QString());
}

// An announcement as a voice says it, without the space it may end with; none
// may end in a figure, which Orca closes with a full stop that a Portuguese
// voice says aloud.
QString heardText(const QString& announced)
{
    if (!announced.isEmpty() && announced.back().isDigit())
        return announced + QStringLiteral(" (cerrado con un punto)");
    return announced.trimmed();
}

// The names of what the platform was told has the focus, in order.
QStringList& focused()
{
    static QStringList names;
    return names;
}

// Receives every accessibility event the platform passes on, as the bridge to a
// screen reader does. (An update handler would see them only while a screen
// reader is active, which the offscreen platform never is.)
class SpokenRecorder : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        QAccessibleInterface* iface = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && iface && iface->role() == QAccessible::Notification)
            spoken() << heardText(iface->text(QAccessible::Name));
        if (event->type() == QAccessible::Focus && iface)
            focused() << heardOnFocus(iface);
        // A box of several lines is read a line at a time, the caret's, while it has the focus.
        if (event->type() == QAccessible::TextCaretMoved && iface && iface->state().multiLine
            && iface->state().focused) {
            int start = 0;
            int end = 0;
            QAccessibleTextInterface* text = iface->textInterface();
            focused() << text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end).trimmed();
        }
    }
};

class SpokenRecorderPlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "tst_accessibility.json")
public:
    // Qt never deletes the bridges it asks for; one that lives as long as the test will do.
    QAccessibleBridge* create(const QString&) override
    {
        static SpokenRecorder recorder;
        return &recorder;
    }
};

// The unit name that takes the most room in the lists' font.
QString widestUnitName(const QFont& font)
{
    QString widest;
    for (std::int16_t categoria = 0; categoria <= 2; ++categoria) {
        for (const std::string& name : core::CatalogoUnidades::Unidades(categoria)) {
            const QString text = QString::fromStdString(name);
            if (QFontMetrics(font).horizontalAdvance(text) > QFontMetrics(font).horizontalAdvance(widest))
                widest = text;
        }
    }
    return widest;
}

// The pixels a line edit's line offers: inside its frame, less the two pixels Qt
// keeps free at each end.
int lineWidth(const QLineEdit* box)
{
    const int frame = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) : 0;
    return box->contentsRect().width() - 2 * frame - 2 * 2;
}

QString withoutColon(const QString& caption)
{
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

} // namespace

void tst_Accessibility::init()
{
    m_fixture = std::make_unique<ToolFixture>();
    spoken().clear();
    focused().clear();
}

void tst_Accessibility::cleanup()
{
    m_windows.clear();
    m_fixture.reset();
}

QWidget* tst_Accessibility::open(const QString& window)
{
    QWidget* opened = m_fixture->build(window);
    m_windows.emplace_back(opened);
    return opened;
}

void tst_Accessibility::every_control_is_named_data()
{
    QTest::addColumn<QString>("window");
    for (const QString& window : ToolFixture::kFormNames)
        // clang-format off
        QTest::newRow(qPrintable(window)) << window;
    // clang-format on
}

void tst_Accessibility::every_control_is_named()
{
    QFETCH(QString, window);
    QWidget* opened = open(window);
    QCOMPARE(faultsOf(opened).join(QStringLiteral("; ")), QString());
    opened->activateWindow();
    if (window != QLatin1String("frmInicio")) // which takes no focus
        QVERIFY(QTest::qWaitForWindowActive(opened));
    QCOMPARE(focusMarkFaults(opened).join(QStringLiteral("; ")), QString());
    // Every figure of a calculator, since a figure renames and hides controls.
    const QList<QRadioButton*> options = opened->findChildren<QRadioButton*>();
    for (QRadioButton* option : options) {
        option->click();
        QCOMPARE(faultsOf(opened).join(QStringLiteral("; ")), QString());
        // The formula bar is heard in words, none of its symbols spelt out.
        if (const auto* formula = opened->findChild<QLabel*>(QStringLiteral("lblForm"))) {
            const QString heard =
                QAccessible::queryAccessibleInterface(const_cast<QLabel*>(formula))->text(QAccessible::Name);
            QVERIFY2(heard.contains(QStringLiteral(" igual a "))
                         && !heard.contains(QRegularExpression(QStringLiteral("[*#²³/=()]"))),
                     qPrintable(option->objectName() + QStringLiteral(": ") + heard));
        }
    }
    // The Pythagoras panel slid to the proportion, by its key.
    if (auto* pitagoras = qobject_cast<ui::PitagorasWindow*>(opened)) {
        QTest::keyClick(pitagoras, Qt::Key_M, Qt::ControlModifier);
        const auto* slide = pitagoras->findChild<QTimer*>(QStringLiteral("tmrMode"));
        QVERIFY(slide->isActive());
        while (slide->isActive())
            pitagoras->tmrMode_Timer();
        QCOMPARE(faultsOf(opened).join(QStringLiteral("; ")), QString());
    }
}

void tst_Accessibility::controls_sit_in_named_groups_data()
{
    every_control_is_named_data();
}

void tst_Accessibility::controls_sit_in_named_groups()
{
    QFETCH(QString, window);
    QWidget* opened = open(window);
    QStringList found;
    treeFaults(QAccessible::queryAccessibleInterface(opened), QString(), found);
    valueRowFaults(opened, found);
    QCOMPARE(found.join(QStringLiteral("; ")), QString());
}

void tst_Accessibility::measure_boxes_follow_their_captions_data()
{
    QTest::addColumn<QString>("window");
    // clang-format off
    QTest::newRow("perímetro") << "frmPerimetro";
    QTest::newRow("área") << "frmArea";
    QTest::newRow("volumen") << "frmVolumen";
    // clang-format on
}

void tst_Accessibility::measure_boxes_follow_their_captions()
{
    QFETCH(QString, window);
    QWidget* opened = open(window);
    const QList<QRadioButton*> options = opened->findChildren<QRadioButton*>();
    for (QRadioButton* option : options) {
        option->click();
        for (int row = 1; row <= 3; ++row) {
            const auto* box = opened->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(row));
            const auto* label = opened->findChild<QLabel*>(QStringLiteral("Label%1").arg(row));
            if (box->isVisibleTo(opened))
                QCOMPARE(box->accessibleName(), withoutColon(label->text()));
        }
    }
}

// Each paragraph is told in whole sentences, and together they tell all that is shown.
void tst_Accessibility::about_paragraphs_are_read_out_whole()
{
    const QWidget* opened = open(QStringLiteral("frmSobrePit"));
    QStringList shown;
    QStringList told;
    for (const char* name : {"Label1", "Label2", "Label3"}) {
        const auto* paragraph = opened->findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY(paragraph->text().size() > 100);
        const QString sentences = paragraph->accessibleName();
        QVERIFY2(sentences.endsWith(QLatin1Char('.')) && sentences.front().isUpper(), qPrintable(sentences));
        shown << paragraph->text();
        told << sentences;
    }
    QCOMPARE(told.join(QLatin1Char(' ')), shown.join(QLatin1Char(' ')));
}

// Carries out a row's steps, as a user would, one after another in opened.
void tst_Accessibility::run(QWidget* opened, const QString& steps)
{
    const auto named = [opened](const QString& name) { return opened->findChild<QWidget*>(name); };
    const auto typeInto = [&](const QString& box, const QString& text) {
        QWidget* edit = named(box);
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, text);
        return edit;
    };
    const auto key = [opened](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        return [opened, key, modifiers] {
            opened->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(opened)); // for the window's shortcuts
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
    };
    QWidget other; // as a message box takes the activation
    const std::map<QString, QString> boxes = {{"la caja", "txtCaja"},
                                              {"la medida", "Text1"},
                                              {"un cateto", "txtZ1"},
                                              {"Pi", "txtPi"},
                                              {"la unidad del resultado", "Combo4"},
                                              {"la unidad de entrada", "Combo1"},
                                              {"la unidad de la base", "Combo5"}};
    const std::map<QString, std::function<void()>> step = {
        {"pausa", [&] { opened->findChild<kit::Announcer*>()->pauseEnded(); }},
        {"F2", [&] { QTest::keyClick(opened->focusWidget() ? opened->focusWidget() : opened, Qt::Key_F2); }},
        {"F3", key(Qt::Key_F3)},
        {"Control+Mayúsculas+C", key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier)},
        {"Control+M", key(Qt::Key_M, Qt::ControlModifier)},
        {"Control+Inicio", key(Qt::Key_Home, Qt::ControlModifier)},
        {"Tab", key(Qt::Key_Tab)},
        {"Mayús+Tab", key(Qt::Key_Backtab, Qt::ShiftModifier)},
        {"derecha", key(Qt::Key_Right)},
        {"izquierda", key(Qt::Key_Left)},
        {"abajo", key(Qt::Key_Down)},
        {"Ctrl+C en los valores",
         [&] {
             named("List3")->setFocus();
             QTest::keyClick(named("List3"), Qt::Key_C, Qt::ControlModifier);
         }},
        {"valores en metros", [&] { static_cast<kit::ListBox*>(named("List2"))->selectRow(6); }},
        {"proporción 2/4 = 3/Y",
         [&] {
             for (const auto& [box, value] : {std::pair{"txtZ3", "2"}, {"txtZ4", "4"}, {"txtZ5", "3"}})
                 opened->findChild<QLineEdit*>(QString::fromLatin1(box))->setText(QString::fromLatin1(value));
         }},
        {"catetos 3 y 4",
         [&] {
             opened->findChild<QLineEdit*>(QStringLiteral("txtZ1"))->setText(QStringLiteral("3"));
             opened->findChild<QLineEdit*>(QStringLiteral("txtZ2"))->setText(QStringLiteral("4"));
         }},
        {"medidas 3 y 4",
         [&] {
             opened->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("3"));
             opened->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("4"));
         }},
        {"respuesta automática", [&] { static_cast<ui::PitagorasWindow*>(opened)->tmrAuto_Timer(); }},
        {"cambio de modo acabado",
         [&] {
             auto* pitagoras = static_cast<ui::PitagorasWindow*>(opened);
             while (pitagoras->findChild<QTimer*>(QStringLiteral("tmrMode"))->isActive())
                 pitagoras->tmrMode_Timer();
         }},
        {"botón de modo", [&] { opened->findChild<QAbstractButton*>(QStringLiteral("cmdMode"))->click(); }},
        {"Sólo 4 decimales", [&] { opened->findChild<QAction*>(QStringLiteral("mDecimal"))->trigger(); }},
        // A screen reader reads the window's description each time the window becomes active.
        {"activar",
         [&] {
             opened->activateWindow();
             QVERIFY(QTest::qWaitForWindowActive(opened));
             const QString description = QAccessible::queryAccessibleInterface(opened)->text(QAccessible::Description);
             if (!description.isEmpty())
                 spoken() << description;
         }},
        {"otra ventana",
         [&] {
             other.show();
             other.activateWindow();
             QVERIFY(QTest::qWaitForWindowActive(&other));
         }},
        {"abrir Pi", [&] { QTest::mouseClick(named("lblLink1"), Qt::LeftButton); }},
        // What a screen reader reads again of the list where the focus is.
        {"la unidad", [&] { focused() << heardOnFocus(QAccessible::queryAccessibleInterface(named("Combo4"))); }},
    };
    // The steps that name what they act on: "escribir 5", "escribir 25 en la caja", "teclear pulg",
    // "copiar 0,500", "Ctrl+V en Pi", "flecha en la unidad de entrada", "foco en List1", "Option3", "Pi 3.2".
    static const QRegularExpression typed(QStringLiteral("^escribir (\\S+)(?: en (.+))?$"));
    QCoreApplication::processEvents(); // the focus of the opening
    for (const QString& name : steps.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QString rest = name.section(QLatin1Char(' '), 1);
        const QString target = name.section(QStringLiteral(" en "), 1);
        if (const QRegularExpressionMatch m = typed.match(name); m.hasMatch())
            typeInto(boxes.count(m.captured(2)) ? boxes.at(m.captured(2)) : QStringLiteral("Text1"), m.captured(1));
        else if (name.startsWith(QLatin1String("teclear ")))
            QTest::keyClicks(QApplication::focusWidget(), rest);
        else if (name.startsWith(QLatin1String("copiar ")))
            m_fixture->desktop.clipboard = rest;
        else if (name.startsWith(QLatin1String("Ctrl+V en ")))
            QTest::keyClick(typeInto(boxes.at(target), {}), Qt::Key_V, Qt::ControlModifier);
        else if (name.startsWith(QLatin1String("flecha en "))) {
            named(boxes.at(target))->setFocus();
            QTest::keyClick(named(boxes.at(target)), Qt::Key_Down);
        } else if (name.startsWith(QLatin1String("foco en ")))
            named(target)->setFocus(Qt::TabFocusReason);
        else if (name.startsWith(QLatin1String("Option")))
            opened->findChild<QRadioButton*>(name)->click();
        else if (name.startsWith(QLatin1String("Pi "))) {
            opened->findChild<QLineEdit*>(QStringLiteral("txtPi"))->setText(rest);
            QTest::keyClick(typeInto(QStringLiteral("txtPi"), {}), Qt::Key_Return);
        } else
            step.at(name)();
        QCoreApplication::processEvents(); // a list reports its row after itself
    }
}

void tst_Accessibility::news_is_spoken_where_the_focus_stays_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("said");
    // clang-format off
    QTest::newRow("nada mientras se escribe") << "frmPerimetro" << "escribir 5" << QStringList{};
    QTest::newRow("resultado tras la pausa") << "frmPerimetro" << "escribir 5, pausa" << QStringList{"Resultado: 20 centímetros"};
    QTest::newRow("resultado de uno, su unidad en singular") << "frmPerimetro" << "escribir 0.25, pausa" << QStringList{"Resultado: 1 centímetro"};
    QTest::newRow("fuera de rango, sin unidad") << "frmArea" << "escribir 1e200, pausa" << QStringList{"Resultado: Fuera de rango"};
    QTest::newRow("fila copiada, con su unidad") << "frmConvert" << "escribir 25 en la caja, Ctrl+C en los valores" << QStringList{"Copiado: 25 centímetros"};
    QTest::newRow("valor pegado") << "frmConvert" << "copiar 304.8, Ctrl+V en la caja" << QStringList{"Pegado: 304,8"};
    QTest::newRow("resultado agrupado, sin comas") << "frmVolumen" << "escribir 20, pausa" << QStringList{"Resultado: 8000 centímetros cúbicos"};
    QTest::newRow("F2 lo dice una vez") << "frmArea" << "escribir 3, F2, pausa" << QStringList{"Resultado: 9 centímetros cuadrados"};
    QTest::newRow("unidad del resultado con flechas, una vez") << "frmPerimetro" << "escribir 5, flecha en la unidad del resultado, pausa" << QStringList{"Resultado: 0,2 metros"};
    QTest::newRow("unidad de entrada con flechas, una vez") << "frmPerimetro" << "escribir 5, flecha en la unidad de entrada, pausa" << QStringList{"Resultado: 20 metros"};
    QTest::newRow("unidad de la base con flechas, una vez") << "frmVolumen" << "Option3, escribir 5, flecha en la unidad de la base, pausa" << QStringList{"Resultado: 0 metros cúbicos"};
    QTest::newRow("F2 sin respuesta") << "frmPitagoras" << "F2" << QStringList{"Sin respuesta todavía"};
    QTest::newRow("modo por su tecla") << "frmPitagoras" << "Control+M, Control+M" << QStringList{"Modo equivalencia", "Modo triángulo"};
    QTest::newRow("F2 de vuelta en el triángulo") << "frmPitagoras" << "catetos 3 y 4, respuesta automática, botón de modo, proporción 2/4 = 3/Y, respuesta automática, botón de modo, F2" << QStringList{"Hipotenusa: 5", "Modo equivalencia", "Y: 6", "Modo triángulo", "Hipotenusa: 5"};
    QTest::newRow("F2 con el triángulo fuera de vista") << "frmPitagoras" << "catetos 3 y 4, respuesta automática, botón de modo, F2" << QStringList{"Hipotenusa: 5", "Modo equivalencia", "Sin respuesta todavía"};
    QTest::newRow("ajuste desmarcado y vuelto a marcar") << "frmPitagoras" << "Sólo 4 decimales, Sólo 4 decimales" << QStringList{"Sólo 4 decimales: no marcada", "Sólo 4 decimales: marcada"};
    QTest::newRow("descripción solo al abrir") << "frmPerimetro" << "activar, otra ventana, activar" << QStringList{"F2 lee el resultado. F3 muestra u oculta el desarrollo del resultado."};
    QTest::newRow("F3 dice el desarrollo") << "frmPerimetro" << "escribir 5, F3" << QStringList{"P igual a L por 4, igual a 5 por 4, igual a 20 centímetros"};
    QTest::newRow("F3 otra vez lo oculta") << "frmArea" << "F3, F3" << QStringList{"A igual a L al cuadrado", "Desarrollo oculto"};
    QTest::newRow("desarrollo del triángulo") << "frmPitagoras" << "catetos 3 y 4, respuesta automática, F3" << QStringList{"Hipotenusa: 5", "h igual a raíz cuadrada de x al cuadrado más y al cuadrado fin de raíz, igual a raíz cuadrada de 3 al cuadrado más 4 al cuadrado fin de raíz, igual a raíz cuadrada de 9 más 16 fin de raíz, igual a raíz cuadrada de 25, igual a 5"};
    QTest::newRow("desarrollo de una fila, copiado") << "frmConvert" << "escribir 25 en la caja, valores en metros, F3, Control+Mayúsculas+C" << QStringList{"25 centímetros igual a 25 por 0,01 metros, igual a 0,25 metros abre paréntesis 1 centímetro igual a 0,01 metros cierra paréntesis", "Desarrollo copiado"};
    QTest::newRow("Pi aceptado") << "frmMenu" << "abrir Pi, Pi 3.1416" << QStringList{"Cuadro de Pi abierto: 3,14159265358979; Tab para editarlo", "Pi: 3,1416"};
    QTest::newRow("medida pegada con coma decimal") << "frmPerimetro" << "copiar 0,500, Ctrl+V en la medida" << QStringList{"Pegado: 0,5"};
    QTest::newRow("nada que pegar en un cateto") << "frmPitagoras" << "copiar abc, Ctrl+V en un cateto" << QStringList{"No hay un número en el portapapeles"};
    QTest::newRow("Pi pegado") << "frmMenu" << "abrir Pi, copiar 3,1416, Ctrl+V en Pi" << QStringList{"Cuadro de Pi abierto: 3,14159265358979; Tab para editarlo", "Pegado: 3,1416"};
    QTest::newRow("Pi rechazado calla") << "frmMenu" << "abrir Pi, Pi 3.2" << QStringList{"Cuadro de Pi abierto: 3,14159265358979; Tab para editarlo"};
    // clang-format on
}

void tst_Accessibility::news_is_spoken_where_the_focus_stays()
{
    QFETCH(QString, window);
    QFETCH(QString, steps);
    QFETCH(QStringList, said);
    run(open(window), steps);
    QCOMPARE(spoken(), said);
}

void tst_Accessibility::focus_is_reported_where_the_user_is_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("reported");
    // clang-format off
    QTest::newRow("entrar en las unidades de origen") << "frmConvert" << "escribir 25 en la caja, foco en List1" << QStringList{"Valor a convertir", "Unidad de origen", "Centímetro"};
    QTest::newRow("entrar en los valores") << "frmConvert" << "escribir 25 en la caja, foco en List3" << QStringList{"Valor a convertir", "Valores", "25 centímetros"};
    QTest::newRow("la flecha da la vuelta") << "frmConvert" << "escribir 25 en la caja, Mayús+Tab, izquierda" << QStringList{"Valor a convertir", "Longitud (marcado)", "Volumen (marcado)"};
    QTest::newRow("Tab tras la categoría sale del grupo") << "frmConvert" << "escribir 25 en la caja, Mayús+Tab, derecha, Tab" << QStringList{"Valor a convertir", "Longitud (marcado)", "Área (marcado)", "Valor a convertir"};
    QTest::newRow("Mayús+Tab a la figura elegida") << "frmPerimetro" << "foco en Combo1, Mayús+Tab" << QStringList{"Lado (l)", "Unidad de entrada, centímetros", "CUADRADO (marcado)"};
    QTest::newRow("abajo sigue las figuras del área en pantalla") << "frmArea" << "foco en Combo1, Mayús+Tab, abajo, abajo, abajo" << QStringList{"Lado (l)", "Unidad de entrada, centímetros", "CUADRADO (marcado)", "RECTÁNGULO (marcado)", "TRIÁNGULO (marcado)", "POLÍGONO REGULAR (marcado)"};
    QTest::newRow("unidad del resultado por su nombre, en palabras") << "frmArea" << "foco en Combo4" << QStringList{"Lado (l)", "Unidad del resultado, centímetros cuadrados"};
    QTest::newRow("unidad de la base por su nombre, en palabras") << "frmVolumen" << "Option3, foco en Combo5" << QStringList{"Arista (a)", "Unidad del área de la base, centímetros cuadrados"};
    QTest::newRow("unidad que se escribe, elegida y tecleada") << "frmVolumen" << "foco en Combo4, teclear pulg, la unidad" << QStringList{"Arista (a)", "Unidad del resultado, centímetros cúbicos", "Unidad del resultado, pulg"};
    QTest::newRow("Tab en orden de lectura") << "frmPitagoras" << "Tab, Tab, Tab" << QStringList{"Cateto a", "Cateto b", "Hipotenusa", "Término A, numerador izquierdo"};
    QTest::newRow("Mayús+Tab no vuelve al triángulo oculto") << "frmPitagoras" << "Control+M, cambio de modo acabado, Mayús+Tab" << QStringList{"Cateto a", "Término A, numerador izquierdo", "Desarrollo"};
    QTest::newRow("el desarrollo, línea a línea") << "frmPerimetro" << "Option2, medidas 3 y 4, F3, foco en txtDesarrollo, abajo, abajo, Control+Inicio" << QStringList{"Lado (l)", "Desarrollo del resultado", "igual a 3 por 2 más 4 por 2", "igual a 6 más 8", "P igual a b por 2 más h por 2"};
    // clang-format on
}

void tst_Accessibility::focus_is_reported_where_the_user_is()
{
    QFETCH(QString, window);
    QFETCH(QString, steps);
    QFETCH(QStringList, reported);
    QWidget* opened = open(window);
    QVERIFY(QTest::qWaitForWindowActive(opened));
    run(opened, steps);
    focused().removeAll(QString()); // the window itself, on opening
    QCOMPARE(focused(), reported);
}

void tst_Accessibility::option_buttons_take_a_click_anywhere_on_them_data()
{
    QTest::addColumn<QString>("window");
    // clang-format off
    QTest::newRow("categorías del convertidor") << "frmConvert";
    QTest::newRow("figuras del perímetro") << "frmPerimetro";
    // clang-format on
}

// Pressed and released at the right end of its rectangle, far from the caption.
void tst_Accessibility::option_buttons_take_a_click_anywhere_on_them()
{
    QFETCH(QString, window);
    QList<QRadioButton*> options = open(window)->findChildren<QRadioButton*>();
    QVERIFY(options.size() >= 3);
    // Option1, chosen at opening, last.
    std::sort(options.begin(), options.end(),
              [](const QWidget* a, const QWidget* b) { return a->objectName() > b->objectName(); });
    for (QRadioButton* option : options) {
        const QPoint rightEnd(option->width() - 2, option->height() / 2);
        QTest::mousePress(option, Qt::LeftButton, {}, rightEnd);
        QVERIFY2(option->isDown(), qPrintable(option->objectName()));
        QTest::mouseRelease(option, Qt::LeftButton, {}, rightEnd);
        QVERIFY2(option->isChecked(), qPrintable(option->objectName()));
    }
}

void tst_Accessibility::every_press_action_returns_before_its_box_shows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<int>("boxes");
    // clang-format off
    QTest::newRow("menú: figuras, Pitágoras, convertidor, acerca de, Pi") << "frmMenu" << QStringList{"cmdButton0", "cmdButton1", "cmdButton2", "lblLink0", "lblLink1"} << 1;
    QTest::newRow("sobre Pitágoras sin red: leer más") << "frmSobrePit" << QStringList{"lblLink"} << 1;
    QTest::newRow("convertidor: copiar y pegar, donde son botones") << "frmConvert" << QStringList{} << 0;
    // clang-format on
}

// A screen reader waits for the press action: it must return before the modal
// box that the click opens, which stays up until the user closes it.
void tst_Accessibility::every_press_action_returns_before_its_box_shows()
{
    QFETCH(QString, window);
    QFETCH(QStringList, links);
    QFETCH(int, boxes);
    QWidget* opened = open(window);
    FakeDesktop& desktop = m_fixture->desktop;
    desktop.networkAlive = false; // so that "Leer más..." shows its message
    bool pressing = false;
    QStringList boxesWhilePressing;
    QString current;
    desktop.whileMessageShown = [&] {
        if (pressing)
            boxesWhilePressing << current;
    };
    QStringList pressed;
    const QList<kit::ClickLabel*> labels = opened->findChildren<kit::ClickLabel*>();
    for (kit::ClickLabel* label : labels) {
        QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(label)->actionInterface();
        if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
            continue;
        QSignalSpy clicks(label, &kit::ClickLabel::clicked);
        current = label->objectName();
        pressing = true;
        actions->doAction(QAccessibleActionInterface::pressAction());
        pressing = false;
        QCoreApplication::sendPostedEvents();
        QCOMPARE(clicks.count(), 1);
        pressed << current;
    }
    // Links also look like links.
    for (const QString& name : links) {
        QVERIFY2(pressed.contains(name), qPrintable(name));
        QCOMPARE(opened->findChild<QWidget*>(name)->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(boxesWhilePressing, QStringList());
    QCOMPARE(static_cast<int>(desktop.messages.size()) + desktop.aboutBoxes, boxes);
}

void tst_Accessibility::every_number_shows_whole_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("row"); // of a list; -1 for a box
    QTest::addColumn<bool>("besideCopy");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whole"); // false: too long even at the smallest size
    const auto plain = [](double value) { return QString::fromStdString(core::plainText(value)); };
    const auto grouped = [](double value) { return QString::fromStdString(core::maskedText(value, core::kMaskWhole)); };
    const QString longestRow = plain(-1.23456789012346E-300); // 15 digits, sign, point, exponent
    const QString unitName = widestUnitName(kit::font(kit::Typeface::Calibri, 20.25));
    // clang-format off
    QTest::newRow("fila de valores") << "frmConvert" << "List3" << 0 << false << longestRow << true;
    QTest::newRow("fila de valores junto a copiar") << "frmConvert" << "List3" << 9 << true << longestRow << true;
    QTest::newRow("fila fuera de rango") << "frmConvert" << "List3" << 9 << false << "Fuera de rango" << true;
    QTest::newRow("unidad de origen más ancha") << "frmConvert" << "List1" << 7 << false << unitName << true;
    QTest::newRow("unidad más ancha") << "frmConvert" << "List2" << 7 << false << unitName << true;
    QTest::newRow("valor a convertir de 15 cifras") << "frmConvert" << "txtCaja" << -1 << false << QString(15, QLatin1Char('8')) << true;
    QTest::newRow("valor a convertir con exponente") << "frmConvert" << "txtCaja" << -1 << false << "-1.2345678E-290" << true;
    QTest::newRow("resultado de 1E+35") << "frmArea" << "txtAnswer" << -1 << false << grouped(1E+35) << true;
    QTest::newRow("resultado mayor") << "frmVolumen" << "txtAnswer" << -1 << false << grouped(std::numeric_limits<double>::max()) << false;
    QTest::newRow("medida de 12 cifras") << "frmArea" << "Text1" << -1 << false << QString(12, QLatin1Char('8')) << true;
    QTest::newRow("medida con exponente") << "frmVolumen" << "Text3" << -1 << false << "-1.2345E+300" << true;
    QTest::newRow("cateto resuelto") << "frmPitagoras" << "txtZ1" << -1 << false << plain(123456789.123457) << true;
    QTest::newRow("término de 400 cifras") << "frmPitagoras" << "txtZ5" << -1 << false << QString(400, QLatin1Char('7')) << false;
    QTest::newRow("término resuelto con exponente") << "frmPitagoras" << "txtZ6" << -1 << false << plain(1.23456789012346E-300) << false;
    // clang-format on
}

// A text that fits is drawn at a size where its whole width lies inside the
// control; one that cannot fit is shown from its start and told whole by its
// tooltip and description, and the control takes the focus to scroll it.
void tst_Accessibility::every_number_shows_whole()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, row);
    QFETCH(bool, besideCopy);
    QFETCH(QString, text);
    QFETCH(bool, whole);
    QWidget* opened = open(window);
    if (row >= 0) {
        opened->findChild<QRadioButton*>(QStringLiteral("Option3"))->click(); // ten rows
        auto* list = opened->findChild<kit::ListBox*>(control);
        list->item(row)->setText(text);
        list->selectRow(row);
        const QWidget* viewport = list->viewport();
        const QFont fitted = list->rowFont();
        if (besideCopy) {
            const QPoint centre = list->visualItemRect(list->item(row)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        }
        const QWidget* copy = opened->findChild<QWidget*>(QStringLiteral("frmeCopy"));
        QCOMPARE(copy->isVisible(), besideCopy);
        QCOMPARE(list->rowFont(), fitted); // the column keeps its size beside the button
        // The values leave room for the button beside any of them; every list, for the focus mark.
        const int left = viewport->mapTo(opened, QPoint(0, 0)).x() + kit::kFocusMarkRoom;
        const int right = viewport->mapTo(opened, QPoint(viewport->width(), 0)).x() - kit::kFocusMarkRoom;
        const int room = (control == QLatin1String("List3") ? copy->x() : right) - left;
        const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        const QFont font = list->rowFont();
        QVERIFY2(QFontMetrics(font).horizontalAdvance(text) <= room - 2 * margin, qPrintable(font.toString()));
        if (font.pointSizeF() < list->font().pointSizeF()) { // no smaller than it must be
            QFont larger = font;
            larger.setPointSizeF(font.pointSizeF() + 0.25);
            QVERIFY(QFontMetrics(larger).horizontalAdvance(text) > room - 2 * margin);
        }
        // The delegate lays the row out in that font.
        QStyleOptionViewItem option;
        option.initFrom(list);
        QVERIFY(list->itemDelegate()->sizeHint(option, list->model()->index(row, 0)).width() <= room);
        return;
    }
    auto* box = opened->findChild<QLineEdit*>(control);
    const double layoutSize = box->font().pointSizeF();
    const QString layoutTip = box->toolTip();
    box->setText(text);
    const QFont font = box->font();
    QCOMPARE(box->text(), text);
    // Screen readers cut what they read by the runs of text attributes: one run, the
    // whole text. A result is heard, selected whole, without its grouping commas,
    // and every number with the Spanish decimal comma.
    QAccessibleTextInterface* heard = QAccessible::queryAccessibleInterface(box)->textInterface();
    QString spoken = text;
    if (box->isReadOnly())
        spoken.remove(QLatin1Char(','));
    spoken.replace(QLatin1Char('.'), QLatin1Char(','));
    int runStart = -1;
    int runEnd = -1;
    heard->attributes(1, &runStart, &runEnd);
    QCOMPARE(std::make_pair(runStart, runEnd), std::make_pair(0, int(spoken.size())));
    const int shownFrom = box->cursorPosition();
    box->selectAll();
    heard->selection(0, &runStart, &runEnd);
    QCOMPARE(heard->text(runStart, runEnd), spoken);
    box->setCursorPosition(shownFrom);
    if (whole) {
        QVERIFY2(QFontMetrics(font).horizontalAdvance(text) <= lineWidth(box), qPrintable(font.toString()));
        QVERIFY(font.pointSizeF() >= layoutSize * 2 / 3);
        QCOMPARE(box->toolTip(), layoutTip);
        return;
    }
    QVERIFY(QFontMetrics(font).horizontalAdvance(text) > lineWidth(box));
    QVERIFY(qAbs(font.pointSizeF() - layoutSize * 2 / 3) < 0.25);
    QCOMPARE(box->cursorPosition(), 0);
    const QStringList tipLines = box->toolTip().split(QLatin1Char('\n'));
    QCOMPARE(tipLines.join(QString()), text);
    for (const QString& line : tipLines) // never wider than the screen
        QVERIFY(QFontMetrics(QToolTip::font()).horizontalAdvance(line) < box->screen()->availableGeometry().width());
    QCOMPARE(box->accessibleDescription(), text);
    QVERIFY(box->focusPolicy() & Qt::TabFocus);
    box->setText(QStringLiteral("1"));
    QCOMPARE(box->toolTip(), layoutTip);
    QCOMPARE(box->font().pointSizeF(), layoutSize);
}

Q_IMPORT_PLUGIN(SpokenRecorderPlugin)
QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
