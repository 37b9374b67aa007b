#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <memory>

// How the loopback server answers a request.
enum class Answer
{
    document,
    closeInsideBody,
    silence,
    // A body of 1000 bytes, one byte every 300 ms: never idle for long, never done.
    trickle,
    notFound,
    proxyAuthentication
};

// A loopback HTTP server (or HTTPS, when given a certificate) that answers every request one way
// and keeps what it was asked.
class LoopbackServer final
{
public:
    explicit LoopbackServer(Answer answer, QByteArray body = {},
                            std::unique_ptr<QTcpServer> server = std::make_unique<QTcpServer>())
        : m_answer(answer)
        , m_body(std::move(body))
        , m_server(std::move(server))
    {
        QObject::connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, m_server.get(),
                         [this] { acceptConnections(); });
        QVERIFY(m_server->listen(QHostAddress::LocalHost));
    }

    QString url(const QString &scheme = QStringLiteral("http")) const
    {
        return scheme + QStringLiteral("://127.0.0.1:") + QString::number(m_server->serverPort()) +
               QStringLiteral("/downloads/daravivuza/TAVOVersion.json");
    }
    quint16 port() const { return m_server->serverPort(); }
    QByteArray request() const { return m_request; }

private:
    void acceptConnections()
    {
        while (m_server->hasPendingConnections()) {
            QTcpSocket *socket = m_server->nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                m_request += socket->readAll();
                if (m_request.contains("\r\n\r\n"))
                    answer(socket);
            });
        }
    }

    void answer(QTcpSocket *socket)
    {
        const QHash<Answer, QByteArray> replies{
            {Answer::document, "200 OK\r\nContent-Length: " + QByteArray::number(m_body.size()) +
                                   "\r\n\r\n" + m_body},
            {Answer::notFound, "404 Not Found\r\nContent-Length: 0\r\n\r\n"},
            {Answer::proxyAuthentication, "407 Proxy Authentication Required\r\n"
                                          "Proxy-Authenticate: Basic realm=\"office\"\r\n"
                                          "Content-Length: 0\r\n\r\n"},
            {Answer::closeInsideBody, "200 OK\r\nContent-Length: 500\r\n\r\n{\"keymapTool\":"},
            {Answer::trickle, "200 OK\r\nContent-Length: 1000\r\n\r\n"}};
        if (replies.contains(m_answer))
            socket->write("HTTP/1.1 " + replies.value(m_answer));
        if (m_answer == Answer::closeInsideBody)
            socket->disconnectFromHost();
        if (m_answer == Answer::trickle) {
            auto *drip = new QTimer(socket);
            QObject::connect(drip, &QTimer::timeout, socket, [socket] { socket->write(" "); });
            drip->start(300);
        }
    }

    Answer m_answer = Answer::document;
    QByteArray m_body;
    QByteArray m_request;
    std::unique_ptr<QTcpServer> m_server;
};

// Points the desktop's proxy settings nowhere, so that the checker reaches the loopback servers
// directly.
inline void clearProxySettings()
{
    for (const char *name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy",
                             "ALL_PROXY", "no_proxy", "NO_PROXY"})
        qunsetenv(name);
}

// A version document whose "firmware" member holds the given entries.
inline QByteArray versionDocument(const QByteArray &tool, const QByteArray &firmwareEntries)
{
    return "{\"keymapTool\":{\"Mac\":\"" + tool + "\",\"Windows\":\"9.9.9.9\"},\"firmware\":{" +
           firmwareEntries + "}}";
}
