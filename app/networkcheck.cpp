// The one use of Qt Network, built as a module of its own that the program loads
// only when it first asks whether the internet can be reached: Qt Network and
// the libraries it brings (Kerberos, proxies) stay out of every other run.

#include <QNetworkInformation>

// 1 when the system's network service says the internet is reachable, 0 when
// it says it is not, -1 when no such service loads.
extern "C" Q_DECL_EXPORT int vantrelo_reachability()
{
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return -1;
    return QNetworkInformation::instance()->reachability() == QNetworkInformation::Reachability::Online ? 1 : 0;
}
