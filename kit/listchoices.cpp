#include "kit/listchoices.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>

#include "kit/announcer.h"

namespace kit {
namespace {

// Moves through a closed list one or more items at a time.
bool isChoiceKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown
           || key == Qt::Key_Home || key == Qt::Key_End;
}

class KeyChoiceSpeaker : public QObject {
public:
    KeyChoiceSpeaker(QComboBox* list, Announcer* announcer) : QObject(list), m_announcer(announcer)
    {
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this, [this, list] {
            // In words where the item has them, as the open list reads it.
            const QString words = list->currentData(Qt::AccessibleTextRole).toString();
            if (m_byKey)
                m_announcer->say(words.isEmpty() ? list->currentText() : words);
            m_byKey = false;
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* list = static_cast<QComboBox*>(watched);
            // An open list is read item by item already.
            m_byKey = isChoiceKey(static_cast<QKeyEvent*>(event)->key()) && !list->view()->isVisible();
        }
        return false;
    }

private:
    Announcer* m_announcer;
    bool m_byKey = false;
};

} // namespace

void sayKeyboardChoices(QComboBox* list, Announcer* announcer)
{
    // A list that takes typing shows the new item in its text, which is read already.
    if (!list->isEditable())
        new KeyChoiceSpeaker(list, announcer);
}

} // namespace kit
