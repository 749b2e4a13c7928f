#ifndef TESTS_SUPPORT_FAKEDESKTOP_H
#define TESTS_SUPPORT_FAKEDESKTOP_H

#include <QBuffer>
#include <QIcon>
#include <QPdfWriter>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <vector>

#include "kit/desktopservices.h"

// Records every request to the desktop and answers from fields a test sets.
class FakeDesktop : public kit::DesktopServices {
public:
    struct Message {
        QString text;
        Icon icon;
    };

    std::vector<Message> messages;
    std::function<void()> whileMessageShown; // runs as a modal box (message or about) would let events run
    QStringList questions;
    bool answerYes = false;
    int aboutBoxes = 0;
    QString aboutAppText;
    QString aboutOtherText;
    bool networkAlive = true;
    std::vector<QUrl> openedAddresses;
    bool addressOpens = true; // what the desktop answers to a request to open an address
    QString clipboard; // set directly, it tells no watcher; setClipboardText does
    QStringList saveDialogs; // the titles of the file dialogs asked for
    QString savePath; // what the file dialog answers: "" as when cancelled
    int printDialogs = 0;
    bool printAccepted = false; // whether the print dialog is accepted
    QByteArray printed; // what the accepted print dialog got, as a PDF

    void message(QWidget*, const QString& text, Icon icon) override
    {
        messages.push_back({text, icon});
        if (whileMessageShown)
            whileMessageShown();
    }
    bool askYesNo(QWidget*, const QString& text) override
    {
        questions << text;
        return answerYes;
    }
    void about(QWidget*, const QString& appText, const QString& otherText, const QIcon&) override
    {
        ++aboutBoxes;
        aboutAppText = appText;
        aboutOtherText = otherText;
        if (whileMessageShown)
            whileMessageShown();
    }
    bool isNetworkAlive() override { return networkAlive; }
    bool openAddress(QWidget*, const QUrl& address) override
    {
        openedAddresses.push_back(address);
        return addressOpens;
    }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override
    {
        clipboard = text;
        clipboardChanged();
    }
    void clearClipboard() override { setClipboardText(QString()); }
    void watchClipboard(QObject* receiver, std::function<void()> changed) override
    {
        m_clipboardWatchers.push_back({receiver, std::move(changed)});
    }
    QString saveFileName(QWidget*, const QString& title, const QString&, const QString&) override
    {
        saveDialogs << title;
        return savePath;
    }
    bool print(QWidget*, const std::function<bool(QPagedPaintDevice&)>& paint) override
    {
        ++printDialogs;
        if (!printAccepted)
            return false;
        QBuffer buffer(&printed);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter printer(&buffer);
        return paint(printer);
    }

private:
    void clipboardChanged()
    {
        const auto watchers = m_clipboardWatchers;
        for (const auto& [receiver, changed] : watchers) {
            if (receiver)
                changed();
        }
    }

    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_clipboardWatchers;
};

#endif
