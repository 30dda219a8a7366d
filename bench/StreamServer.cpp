#include "StreamServer.h"

#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>

namespace {

constexpr int kMaxRequestHead = 16 * 1024;
// A listener that stops reading must not make us queue without bound.
constexpr qint64 kMaxBacklog = 64 * 1024;
constexpr int kPacerIntervalMs = 20;

const QByteArray kStreamHead = "HTTP/1.0 200 OK\r\n"
                               "Content-Type: audio/mpeg\r\n"
                               "Cache-Control: no-cache\r\n"
                               "Connection: close\r\n\r\n";
const QByteArray kNotFound = "HTTP/1.0 404 Not Found\r\n"
                             "Content-Type: text/plain\r\n"
                             "Connection: close\r\n\r\nnot found\n";

} // namespace

StreamServer::StreamServer(QObject *parent)
    : QObject(parent)
{
    setRootResponse("HTTP/1.0 200 OK", {"Content-Type: audio/mpeg"});
    m_pacer.setInterval(kPacerIntervalMs);
    connect(&m_pacer, &QTimer::timeout, this, &StreamServer::pump);
}

StreamServer::~StreamServer()
{
    close();
}

int StreamServer::bitrateFromMp3(const QByteArray &data)
{
    const auto *d = reinterpret_cast<const unsigned char *>(data.constData());
    qsizetype i = 0;
    if (data.size() >= 10 && data.startsWith("ID3")) // skip an ID3v2 tag (syncsafe size)
        i = 10 + ((d[6] & 0x7f) << 21 | (d[7] & 0x7f) << 14 | (d[8] & 0x7f) << 7 | (d[9] & 0x7f));
    static const int mpeg1[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    static const int mpeg2[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
    for (; i + 3 < data.size(); ++i) {
        if (d[i] != 0xff || (d[i + 1] & 0xe0) != 0xe0)
            continue;
        const int version = (d[i + 1] >> 3) & 3; // 3 = MPEG-1, 2 = MPEG-2, 0 = MPEG-2.5
        const int layer = (d[i + 1] >> 1) & 3;   // 1 = Layer III
        const int index = d[i + 2] >> 4;
        if (version == 1 || layer != 1)
            continue;
        const int kbps = (version == 3 ? mpeg1 : mpeg2)[index];
        if (kbps > 0)
            return kbps;
    }
    return 0;
}

bool StreamServer::loadMp3(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    const int kbps = bitrateFromMp3(data);
    if (kbps == 0)
        return false;
    setMp3Data(data, kbps);
    return true;
}

void StreamServer::setMp3Data(const QByteArray &data, int bitrateKbps)
{
    m_mp3 = data;
    m_bitrateKbps = bitrateKbps;
}

void StreamServer::setRootResponse(const QByteArray &statusLine,
                                   const QList<QByteArray> &headers,
                                   const QByteArray &body)
{
    m_rootHead = statusLine + "\r\n";
    for (const QByteArray &h : headers)
        m_rootHead += h + "\r\n";
    m_rootHead += "Connection: close\r\n\r\n";
    m_rootBody = body;
}

bool StreamServer::listen(quint16 port, bool alsoIpv6)
{
    close();
    auto bind = [this](const QHostAddress &address, quint16 p) {
        auto *server = new QTcpServer(this);
        if (!server->listen(address, p)) {
            delete server;
            return false;
        }
        connect(server, &QTcpServer::newConnection, this, [this, server] { onNewConnection(server); });
        m_servers.append(server);
        return true;
    };
    if (!bind(QHostAddress::LocalHost, port))
        return false;
    m_port = m_servers.first()->serverPort();
    if (alsoIpv6 && !bind(QHostAddress::LocalHostIPv6, m_port)) {
        close();
        return false;
    }
    m_pacer.start();
    return true;
}

void StreamServer::close()
{
    m_pacer.stop();
    const auto sockets = m_clients.keys();
    m_clients.clear();
    for (QTcpSocket *socket : sockets) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    qDeleteAll(m_servers);
    m_servers.clear();
    m_port = 0;
}

QUrl StreamServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
}

int StreamServer::activeStreams() const
{
    return int(std::count_if(m_clients.cbegin(), m_clients.cend(),
                             [](const Client &c) { return c.streaming; }));
}

void StreamServer::onNewConnection(QTcpServer *server)
{
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        m_clients.insert(socket, Client{});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_clients.remove(socket);
            socket->deleteLater();
        });
    }
}

void StreamServer::onReadyRead(QTcpSocket *socket)
{
    auto it = m_clients.find(socket);
    if (it == m_clients.end())
        return;
    Client &client = *it;
    if (client.streaming) { // nothing more is expected from a listener
        socket->readAll();
        return;
    }
    client.buffer += socket->readAll();
    const qsizetype end = client.buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        if (client.buffer.size() > kMaxRequestHead)
            socket->abort();
        return;
    }
    Request request;
    request.head = client.buffer.left(end);
    const QList<QByteArray> words = request.head.split('\n').first().trimmed().split(' ');
    if (words.size() >= 2) {
        request.method = words[0];
        request.path = words[1];
    }
    client.buffer.clear();
    m_requests.append(request);
    emit requestReceived(request);
    respond(socket, client, request);
}

void StreamServer::respond(QTcpSocket *socket, Client &client, const Request &request)
{
    const bool head = request.method == "HEAD";
    const QByteArray route = request.path.split('?').first();
    if ((request.method == "GET" || head) && route == "/listen" && !m_mp3.isEmpty()) {
        socket->write(kStreamHead);
        if (head) {
            socket->disconnectFromHost();
            return;
        }
        client.streaming = true;
        client.clock.start();
        pumpClient(socket, client);
    } else if ((request.method == "GET" || head) && route == "/") {
        socket->write(m_rootHead);
        if (!head)
            socket->write(m_rootBody);
        socket->disconnectFromHost();
    } else {
        socket->write(kNotFound);
        socket->disconnectFromHost();
    }
}

void StreamServer::pump()
{
    // By key: a listener that goes away may leave the table meanwhile.
    const auto sockets = m_clients.keys();
    for (QTcpSocket *socket : sockets) {
        auto it = m_clients.find(socket);
        if (it != m_clients.end() && it->streaming)
            pumpClient(socket, *it);
    }
}

void StreamServer::pumpClient(QTcpSocket *socket, Client &client)
{
    const qint64 bytesPerSecond = qint64(m_bitrateKbps) * 1000 / 8;
    const qint64 burst = m_pacing == Pacing::BurstThenRealTime
                             ? qint64(m_burstSeconds * bytesPerSecond)
                             : 0;
    const qint64 budget = burst + client.clock.elapsed() * bytesPerSecond / 1000;
    qint64 due = budget - client.sent;
    if (due <= 0)
        return;
    if (socket->bytesToWrite() > kMaxBacklog) {
        // A stalled listener misses air time, as on a live source, rather
        // than being sent a catch-up burst faster than real time later.
        client.sent = budget;
        return;
    }
    client.sent += due;
    m_bytesStreamed += due;
    while (due > 0) {
        const qint64 n = std::min(due, qint64(m_mp3.size()) - client.offset);
        socket->write(m_mp3.constData() + client.offset, n);
        client.offset = (client.offset + n) % m_mp3.size();
        due -= n;
    }
}
