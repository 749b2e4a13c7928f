#ifndef KIT_SHEET_H
#define KIT_SHEET_H

// The results sheet: every result the user noted down, with its working, in the
// order noted. It lives in memory while the program runs, whether its window
// shows or not; only the user's own saving puts it on disk.

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;

namespace kit {

// One result as its window showed it when noted down.
struct SheetEntry {
    QString formName; // the tool window that made it
    QString heading; // the tool, and the figure or part
    QStringList values; // the typed values with their units, and Pi where the formula has it
    QString working; // as the working panel writes it
    QString spoken; // the working as it is heard
    QString result; // the result with its unit
    QStringList state; // what the tool needs to show the same values again

    // The entry as plain text: heading, values, working and result, a line each.
    QString text() const;
};

class Sheet : public QObject {
    Q_OBJECT
public:
    const std::vector<SheetEntry>& entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }

    void add(SheetEntry entry);
    void remove(int row);

    // Whether some entry was neither saved nor copied since it was noted.
    bool unsaved() const;
    // The entry of row is kept elsewhere now (copied), or every entry is (saved,
    // printed or copied whole) for -1.
    void markKept(int row = -1);

    // All entries in order, a blank line between two.
    QString text() const;

    // Lays the sheet out on device, page after page: the title and date, then
    // every entry whole on one page. False when the device cannot be painted on.
    bool paint(QPagedPaintDevice& device, const QString& title, const QString& date) const;

Q_SIGNALS:
    void added(int row);
    void removed(int row);

private:
    std::vector<SheetEntry> m_entries;
    std::vector<bool> m_kept; // beside each entry
};

} // namespace kit

#endif
