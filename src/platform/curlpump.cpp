#include "platform/curlpump.h"

#include <QSocketNotifier>
#include <sys/socket.h>
#include <unistd.h>

namespace tidewell::platform {

namespace {
constexpr int kTickMs = 50;
} // namespace

CurlPump::CurlPump(QObject *parent) : QObject(parent) {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { activity(CURL_SOCKET_TIMEOUT, 0, nullptr); });
    // libcurl 7.88 can stall between an FTP reply and opening the data connection when driven by socket
    // events alone (it asks for neither a socket nor a timer for that step); a steady tick that runs
    // every transfer while any is running moves it on.
    m_tick.setInterval(kTickMs);
    connect(&m_tick, &QTimer::timeout, this, [this] { activity(CURL_SOCKET_BAD, 0, nullptr); });
    createMulti();
}

CurlPump::~CurlPump() {
    closeConnections();
    destroyMulti();
}

void CurlPump::createMulti() {
    m_multi = curl_multi_init();
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlPump::socketCallback);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlPump::timerCallback);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
}

void CurlPump::destroyMulti() {
    if (m_multi) {
        curl_multi_cleanup(m_multi);
        m_multi = nullptr;
    }
    while (!m_watches.empty()) {
        dropWatch(m_watches.begin()->first);
    }
    m_held.clear();
    m_timer.stop();
    m_tick.stop();
}

void CurlPump::watchSockets(CURL *easy, CurlPump *pump) {
    curl_easy_setopt(easy, CURLOPT_SOCKOPTFUNCTION, &CurlPump::openedSocket);
    curl_easy_setopt(easy, CURLOPT_SOCKOPTDATA, pump);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETFUNCTION, &CurlPump::closeSocket);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETDATA, pump);
}

int CurlPump::openedSocket(void *pump, curl_socket_t socket, curlsocktype) {
    static_cast<CurlPump *>(pump)->m_sockets.append(socket);
    return CURL_SOCKOPT_OK;
}

int CurlPump::closeSocket(void *pump, curl_socket_t socket) {
    static_cast<CurlPump *>(pump)->m_sockets.removeAll(socket);
    return ::close(socket);
}

void CurlPump::add(CURL *easy) {
    curl_multi_add_handle(m_multi, easy);
    m_tick.start();
}

void CurlPump::remove(CURL *easy) {
    curl_multi_remove_handle(m_multi, easy);
}

void CurlPump::closeConnections() {
    // Shutting the sockets down makes a polite close (FTP's QUIT) fail at once instead of waiting.
    for (const curl_socket_t socket : std::as_const(m_sockets)) {
        ::shutdown(socket, SHUT_RDWR);
    }
    destroyMulti();
    createMulti();
}

int CurlPump::socketCallback(CURL *, curl_socket_t socket, int what, void *pump, void *) {
    auto *self = static_cast<CurlPump *>(pump);
    if (what == CURL_POLL_REMOVE) {
        self->dropWatch(socket);
    } else {
        self->setWatch(socket, what);
    }
    return 0;
}

int CurlPump::timerCallback(CURLM *, long timeoutMs, void *pump) {
    auto *self = static_cast<CurlPump *>(pump);
    if (timeoutMs < 0) {
        self->m_timer.stop();
    } else {
        self->m_timer.start(int(timeoutMs));
    }
    return 0;
}

void CurlPump::setWatch(curl_socket_t socket, int what) {
    Watch &watch = m_watches[socket];
    const auto ensure = [&](QSocketNotifier *&notifier, QSocketNotifier::Type type, int flag, bool wanted) {
        if (!wanted) {
            if (notifier) {
                notifier->setEnabled(false);
                m_held.removeAll(notifier);
                notifier->deleteLater();
                notifier = nullptr;
            }
            return;
        }
        if (!notifier) {
            notifier = new QSocketNotifier(socket, type, this);
            QSocketNotifier *created = notifier;
            connect(notifier, &QSocketNotifier::activated, this,
                    [this, socket, flag, created] { activity(socket, flag, created); });
        }
    };
    ensure(watch.read, QSocketNotifier::Read, CURL_CSELECT_IN,
           what == CURL_POLL_IN || what == CURL_POLL_INOUT);
    ensure(watch.write, QSocketNotifier::Write, CURL_CSELECT_OUT,
           what == CURL_POLL_OUT || what == CURL_POLL_INOUT);
}

void CurlPump::dropWatch(curl_socket_t socket) {
    const auto it = m_watches.find(socket);
    if (it == m_watches.end()) {
        return;
    }
    for (QSocketNotifier *notifier : {it->second.read, it->second.write}) {
        if (notifier) {
            notifier->setEnabled(false);
            m_held.removeAll(notifier);
            notifier->deleteLater();
        }
    }
    m_watches.erase(it);
}

void CurlPump::activity(curl_socket_t socket, int flags, QSocketNotifier *notifier) {
    if (m_depth > 0) {
        // libcurl is waiting on a question further up the stack: hold this event until it returns.
        if (notifier) {
            notifier->setEnabled(false);
            m_held.append(notifier);
        } else {
            m_timerHeld = true;
        }
        return;
    }
    ++m_depth;
    int running = 0;
    if (socket == CURL_SOCKET_BAD) {
        curl_multi_perform(m_multi, &running);
    } else {
        curl_multi_socket_action(m_multi, socket, flags, &running);
    }
    --m_depth;
    if (running == 0) {
        m_tick.stop();
    }

    QList<QPair<CURL *, CURLcode>> done;
    int queued = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &queued)) {
        if (message->msg == CURLMSG_DONE) {
            done.append({message->easy_handle, message->data.result});
        }
    }
    resumeHeld();
    Q_EMIT settled();
    for (const auto &[easy, code] : done) {
        Q_EMIT finished(easy, code);
    }
}

void CurlPump::resumeHeld() {
    const QList<QSocketNotifier *> held = std::exchange(m_held, {});
    for (QSocketNotifier *notifier : held) {
        notifier->setEnabled(true); // level-triggered: it fires again while the socket is ready
    }
    if (std::exchange(m_timerHeld, false)) {
        m_timer.start(0);
    }
}

} // namespace tidewell::platform
