#pragma once

#include "enumerations.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>

#include <functional>

class QAuthenticator;
class QNetworkProxy;
class QNetworkReply;
class QSslError;

// Fetches the version document from the update server and keeps the newest program and firmware
// versions it names for the connected keyboard.
class UpdateChecker final : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(UpdateCheckingResult)>;

    // How long a request may wait for the server's next bytes before it fails.
    static constexpr double connectionTimeout = 3.0;

    // The address of the version document on the update server. Tests point it at a local server.
    static QString versionDocumentUrl();
    static void setVersionDocumentUrlForTesting(const QString &url);

    UpdateChecker(const QString &typeNumber, const QString &updateUrl, double connectionTimeout,
                  QObject *parent = nullptr);
    ~UpdateChecker() override;

    // Starts one request and returns at once. Later exactly one handler is called, on this
    // object's thread: onSuccess(success) when both versions were read, else onFailure with
    // internetError or proxyAuthenticationError. A request ends after connectionTimeout without
    // news from the server, and after twice that time in all.
    void getLatestVersion(Handler onSuccess, Handler onFailure);

    QString typeNumber() const { return m_typeNumber; }
    // Empty until a request has read them.
    QString latestToolVersion() const { return m_latestToolVersion; }
    QString latestFirmVersion() const { return m_latestFirmVersion; }

    // Whether the running program, of version appVersion, is at least the newest version read.
    // Versions that cannot be compared count as up to date.
    bool isToolLatest(const QString &appVersion) const;
    // Whether the keyboard's firmware is at least the newest version read, by the number after
    // the first "." of each version without its first character.
    bool isFirmLatest(const QString &keyboardFirmVersion) const;

private:
    // The longest a request may take in all, however steadily the server trickles its answer:
    // twice the idle time-out, so 6 s for the program's checks.
    double totalDeadline() const { return 2 * m_connectionTimeout; }
    void finish(QNetworkReply *reply, const Handler &onSuccess, const Handler &onFailure);
    void endAtTheDeadline(QNetworkReply *reply);
    void refuseLargeDocument(QNetworkReply *reply, qint64 bytesReceived, qint64 bytesTotal);
    void recordProxyChallenge(const QNetworkProxy &proxy, QAuthenticator *authenticator);
    void logCertificateErrors(QNetworkReply *reply, const QList<QSslError> &errors);

    QString m_typeNumber;
    QString m_updateUrl;
    double m_connectionTimeout = 0.0;
    // A proxy asked for credentials during the current request.
    bool m_isProxy = false;
    QString m_latestToolVersion;
    QString m_latestFirmVersion;
    QNetworkAccessManager m_manager;
};
