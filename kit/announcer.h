#ifndef KIT_ANNOUNCER_H
#define KIT_ANNOUNCER_H

// Texts a screen reader speaks while the focus stays where the user types.

#include <QString>
#include <QWidget>

class QTimer;

namespace kit {

// Speaks short texts through the screen reader without moving the focus: a
// notification that is never painted and is shown to assistive technology anew
// for every text.
class Announcer : public QWidget {
    Q_OBJECT
public:
    // How long typing must rest before a result is spoken.
    static constexpr int kPauseMs = 600;

    explicit Announcer(QWidget* window);

    // The text spoken last, or being spoken.
    QString text() const { return m_text; }

    // Speaks at once, even a text said before; a text waiting for the pause still comes.
    void say(const QString& text);
    // Speaks once changes have rested for kPauseMs, unless it is what was said last.
    void sayAfterPause(const QString& text);

public Q_SLOTS:
    // The end of the pause: says the waiting text.
    void pauseEnded();

private:
    QString m_text;
    QString m_waiting;
    QTimer* m_pause = nullptr;
};

} // namespace kit

#endif
