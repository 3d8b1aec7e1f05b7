#pragma once

#include <curl/curl.h>
#include <map>
#include <QList>
#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace tidewell::platform {

// Runs libcurl transfers inside the Qt event loop: a curl multi handle whose sockets are watched by
// QSocketNotifiers and whose time-outs are a QTimer, so transfers progress while windows paint and no
// thread is involved. A callback of libcurl that shows a modal question (a host key to accept) runs a
// nested event loop; socket and timer events arriving then are held back until libcurl returns, since
// libcurl must not be entered twice.
class CurlPump final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CurlPump)

public:
    explicit CurlPump(QObject *parent = nullptr);
    ~CurlPump() override;

    // Starts a transfer; finished() reports its end.
    void add(CURL *easy);
    // Stops a transfer at once (nothing is reported).
    void remove(CURL *easy);
    // Closes every connection libcurl keeps open for reuse. Their sockets are shut down first, so
    // closing never waits on a server that does not answer.
    void closeConnections();

    // True while libcurl runs (a callback of it is asking the user something); it must not be called then.
    bool insideCurl() const { return m_depth > 0; }

    // Socket callbacks for the easy handles: record the sockets so closeConnections can shut them down.
    static void watchSockets(CURL *easy, CurlPump *pump);

Q_SIGNALS:
    // After libcurl ran; events collected by callbacks can be delivered now.
    void settled();
    void finished(CURL *easy, CURLcode code);

private:
    struct Watch {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };

    static int socketCallback(CURL *easy, curl_socket_t socket, int what, void *pump, void *);
    static int timerCallback(CURLM *multi, long timeoutMs, void *pump);
    static int openedSocket(void *pump, curl_socket_t socket, curlsocktype purpose);
    static int closeSocket(void *pump, curl_socket_t socket);

    void createMulti();
    void destroyMulti();
    void setWatch(curl_socket_t socket, int what);
    void dropWatch(curl_socket_t socket);
    // Runs libcurl for a socket event or a time-out; CURL_SOCKET_BAD runs every transfer.
    void activity(curl_socket_t socket, int flags, QSocketNotifier *notifier);
    void resumeHeld();

    CURLM *m_multi = nullptr;
    QTimer m_timer;
    QTimer m_tick;
    std::map<curl_socket_t, Watch> m_watches;
    QList<curl_socket_t> m_sockets;
    QList<QSocketNotifier *> m_held;
    bool m_timerHeld = false;
    int m_depth = 0;
};

} // namespace tidewell::platform
