#include "app/qtdesktop.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QUrl>

#include <algorithm>

namespace app {
namespace {

const QString kTitle = QStringLiteral("Vantrelo");

QMessageBox::Icon boxIcon(kit::DesktopServices::Icon icon)
{
    switch (icon) {
    case kit::DesktopServices::Icon::Exclamation:
        return QMessageBox::Warning;
    case kit::DesktopServices::Icon::Question:
        return QMessageBox::Question;
    case kit::DesktopServices::Icon::Error:
        return QMessageBox::Critical;
    case kit::DesktopServices::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

void QtDesktop::message(QWidget* owner, const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), kTitle, text, QMessageBox::Ok, owner);
    box.exec();
}

bool QtDesktop::askYesNo(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("app::QtDesktop", "Sí"));
    return box.exec() == QMessageBox::Yes;
}

void QtDesktop::about(QWidget* owner, const QString& appText, const QString& otherText, const QIcon& icon)
{
    QMessageBox box(owner);
    box.setWindowTitle(QCoreApplication::translate("app::QtDesktop", "Acerca de %1").arg(appText));
    box.setIconPixmap(icon.pixmap(64, 64));
    box.setText(QStringLiteral("<b>%1</b>").arg(appText.toHtmlEscaped()));
    box.setInformativeText(otherText.toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>")));
    box.exec();
}

bool QtDesktop::isNetworkAlive()
{
    // What the system's network service knows, without a probe of our own: the
    // answer must come at once. Only where no such service loads do the
    // interface flags stand in, though they say only that some link is up.
    if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return QNetworkInformation::instance()->reachability() == QNetworkInformation::Reachability::Online;
    const auto interfaces = QNetworkInterface::allInterfaces();
    return std::any_of(interfaces.begin(), interfaces.end(), [](const QNetworkInterface& i) {
        const auto flags = i.flags();
        return flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning)
               && !flags.testFlag(QNetworkInterface::IsLoopBack);
    });
}

void QtDesktop::openAddress(QWidget*, const QUrl& address)
{
    QDesktopServices::openUrl(address);
}

QString QtDesktop::clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void QtDesktop::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtDesktop::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void QtDesktop::watchClipboard(QObject* receiver, std::function<void()> changed)
{
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, receiver, std::move(changed));
}

} // namespace app
