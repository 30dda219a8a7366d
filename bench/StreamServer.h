#pragma once

// Loopback HTTP server that plays the part of an internet radio server in
// tests: "GET /" answers with a configurable status line, "GET /listen"
// streams an MP3 file in an endless loop, paced like a live source.

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

class StreamServer : public QObject
{
    Q_OBJECT
public:
    enum class Pacing {
        BurstThenRealTime, // a few seconds at once, then at the bitrate
        RealTime,          // at the bitrate from the first byte, as a live encoder does
    };
    Q_ENUM(Pacing)

    struct Request {
        QByteArray method;
        QByteArray path;
        QByteArray head; // request line and headers as received
    };

    explicit StreamServer(QObject *parent = nullptr);
    ~StreamServer() override;

    // Reads the file and takes the bitrate from its first frame header.
    bool loadMp3(const QString &path);
    // For data whose bitrate cannot be read from it (or to pace differently).
    void setMp3Data(const QByteArray &data, int bitrateKbps);
    int bitrateKbps() const { return m_bitrateKbps; }

    void setPacing(Pacing pacing) { m_pacing = pacing; }
    void setBurstSeconds(double seconds) { m_burstSeconds = seconds; }

    // What "GET /" answers, e.g. "HTTP/1.0 200 OK" with "Content-Type: audio/mpeg".
    void setRootResponse(const QByteArray &statusLine,
                         const QList<QByteArray> &headers = {},
                         const QByteArray &body = {});

    // Port 0 lets the system choose. With alsoIpv6 the same port is bound on ::1.
    bool listen(quint16 port = 0, bool alsoIpv6 = false);
    void close();
    quint16 port() const { return m_port; }
    QUrl url(const QString &path = QStringLiteral("/listen")) const;

    QList<Request> requests() const { return m_requests; }
    int activeStreams() const;
    qint64 bytesStreamed() const { return m_bytesStreamed; }

    static int bitrateFromMp3(const QByteArray &data);

signals:
    void requestReceived(const StreamServer::Request &request);

private:
    struct Client {
        QByteArray buffer;
        bool streaming = false;
        QElapsedTimer clock;
        qint64 sent = 0;
        qint64 offset = 0;
    };

    void onNewConnection(QTcpServer *server);
    void onReadyRead(QTcpSocket *socket);
    void respond(QTcpSocket *socket, Client &client, const Request &request);
    void pump();
    void pumpClient(QTcpSocket *socket, Client &client);

    QList<QTcpServer *> m_servers;
    QHash<QTcpSocket *, Client> m_clients;
    QTimer m_pacer;
    QByteArray m_mp3;
    int m_bitrateKbps = 0;
    Pacing m_pacing = Pacing::BurstThenRealTime;
    double m_burstSeconds = 2.0;
    QByteArray m_rootHead;
    QByteArray m_rootBody;
    QList<Request> m_requests;
    qint64 m_bytesStreamed = 0;
    quint16 m_port = 0;
};
