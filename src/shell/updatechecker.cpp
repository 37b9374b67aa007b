#include "updatechecker.h"

#include "exceptions.h"
#include "logger.h"
#include "utility.h"
#include "versiondocument.h"

#include <QAuthenticator>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QStringList>
#include <QTimer>

namespace {

const QString updateHost = QStringLiteral("downloads.tavo-keymap-tool.example");
const QString versionDocumentPath = QStringLiteral("/downloads/daravivuza/TAVOVersion.json");

QString &versionDocumentUrlOverride()
{
    static QString url;
    return url;
}

// Answers the desktop's proxy settings, as every other download on the machine uses them.
class SystemProxyFactory final : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override
    {
        return systemProxyForQuery(query);
    }
};

QString describe(const QNetworkReply &reply)
{
    return reply.url().toString() + QStringLiteral(" status ") +
           reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toString();
}

} // namespace

QString UpdateChecker::versionDocumentUrl()
{
    const QString &url = versionDocumentUrlOverride();
    return url.isEmpty() ? QStringLiteral("https://") + updateHost + versionDocumentPath : url;
}

void UpdateChecker::setVersionDocumentUrlForTesting(const QString &url)
{
    versionDocumentUrlOverride() = url;
}

UpdateChecker::UpdateChecker(const QString &typeNumber, const QString &updateUrl,
                             double connectionTimeout, QObject *parent)
    : QObject(parent)
    , m_typeNumber(typeNumber)
    , m_updateUrl(updateUrl)
    , m_connectionTimeout(connectionTimeout)
{
    LOG_INFO(QStringLiteral("begin"));
    m_manager.setProxyFactory(new SystemProxyFactory);
    connect(&m_manager, &QNetworkAccessManager::proxyAuthenticationRequired, this,
            &UpdateChecker::recordProxyChallenge);
    connect(&m_manager, &QNetworkAccessManager::sslErrors, this,
            &UpdateChecker::logCertificateErrors);
    LOG_INFO(QStringLiteral("end"));
}

UpdateChecker::~UpdateChecker()
{
    // A request still under way ends silently with its checker.
    for (QNetworkReply *reply : m_manager.findChildren<QNetworkReply *>()) {
        reply->disconnect(this);
        reply->abort();
    }
}

void UpdateChecker::getLatestVersion(Handler onSuccess, Handler onFailure)
{
    LOG_INFO(QStringLiteral("begin"));
    m_isProxy = false;
    m_latestToolVersion.clear();
    m_latestFirmVersion.clear();

    QNetworkRequest request{QUrl(m_updateUrl)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(static_cast<int>(m_connectionTimeout * 1000));

    QNetworkReply *reply = m_manager.get(request);
    endAtTheDeadline(reply);
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, reply](qint64 received, qint64 total) {
                refuseLargeDocument(reply, received, total);
            });
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, onSuccess = std::move(onSuccess), onFailure = std::move(onFailure)] {
                finish(reply, onSuccess, onFailure);
            });
    LOG_INFO(QStringLiteral("end"));
}

bool UpdateChecker::isToolLatest(const QString &appVersion) const
{
    try {
        return Utility::convertVersionToInt64(appVersion) >=
               Utility::convertVersionToInt64(m_latestToolVersion);
    } catch (const Exceptions &error) {
        LOG_ERROR(error.reportText());
        return true;
    }
}

bool UpdateChecker::isFirmLatest(const QString &keyboardFirmVersion) const
{
    return Utility::convertFWVersionToInt64(keyboardFirmVersion.mid(1)) >=
           Utility::convertFWVersionToInt64(m_latestFirmVersion.mid(1));
}

void UpdateChecker::finish(QNetworkReply *reply, const Handler &onSuccess, const Handler &onFailure)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        LOG_INFO(QStringLiteral("error: ") + Logger::escaped(reply->errorString()));
        onFailure(m_isProxy ? UpdateCheckingResult::proxyAuthenticationError
                            : UpdateCheckingResult::internetError);
        return;
    }
    LOG_DEBUG(QStringLiteral("respond: ") + Logger::escaped(describe(*reply)));

    const VersionDocument document =
        VersionDocument::parse(reply->read(VersionDocument::maximumSize + 1), m_typeNumber);
    m_latestToolVersion = document.latestToolVersion();
    m_latestFirmVersion = document.latestFirmVersion();
    if (!document.isValid()) {
        LOG_ERROR(Logger::escaped(document.failure()));
        onFailure(UpdateCheckingResult::internetError);
        return;
    }
    onSuccess(UpdateCheckingResult::success);
}

void UpdateChecker::endAtTheDeadline(QNetworkReply *reply)
{
    // The transfer time-out restarts with every byte; this one does not. The reply owns the
    // timer, so it goes with the reply.
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [reply, seconds = totalDeadline()] {
        LOG_INFO(QStringLiteral("The update server did not send the document within %1 s.")
                     .arg(seconds));
        reply->abort();
    });
    connect(reply, &QNetworkReply::finished, deadline, &QTimer::stop);
    deadline->start(static_cast<int>(totalDeadline() * 1000));
}

void UpdateChecker::refuseLargeDocument(QNetworkReply *reply, qint64 bytesReceived,
                                        qint64 bytesTotal)
{
    if (bytesReceived <= VersionDocument::maximumSize && bytesTotal <= VersionDocument::maximumSize)
        return;
    LOG_ERROR(QStringLiteral("The version document is larger than %1 bytes.")
                  .arg(VersionDocument::maximumSize));
    reply->abort();
}

void UpdateChecker::recordProxyChallenge(const QNetworkProxy &, QAuthenticator *authenticator)
{
    LOG_INFO(QStringLiteral("begin"));
    LOG_INFO(QStringLiteral("proxy authentication realm == ") +
             Logger::escaped(authenticator->realm()));
    LOG_INFO(QStringLiteral("isProxy"));
    m_isProxy = true;
    // No credentials are given, so the request fails and reports proxyAuthenticationError.
    LOG_INFO(QStringLiteral("performDefaultHandling"));
    LOG_INFO(QStringLiteral("end"));
}

void UpdateChecker::logCertificateErrors(QNetworkReply *, const QList<QSslError> &errors)
{
    // The errors are not ignored: the request fails unless the server's certificate is trusted.
    QStringList texts;
    for (const QSslError &error : errors)
        texts << error.errorString();
    LOG_INFO(QStringLiteral("server certificate refused: ") +
             Logger::escaped(texts.join(QStringLiteral("; "))));
}
