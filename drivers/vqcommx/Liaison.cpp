#include "Liaison.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t Vitesse(int bauds) {
    switch (bauds) {
        case 9600:
            return B9600;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        default:
            return B0;
    }
}

}  // namespace

bool Tliaison::Ouvre(const std::string& chemin) {
    if (fd_ >= 0) return false;
    const int fd = open(chemin.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    termios t{};
    if (tcgetattr(fd, &t) != 0) {
        close(fd);
        return false;
    }
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
    cfsetspeed(&t, B9600);
    if (tcsetattr(fd, TCSANOW, &t) != 0 || pipe2(reveil_, O_NONBLOCK | O_CLOEXEC) != 0) {
        close(fd);
        return false;
    }
    tcflush(fd, TCIFLUSH);
    fd_ = fd;
    return true;
}

void Tliaison::Ferme() {
    ArreteFil();
    if (fd_ < 0) return;
    close(fd_);
    close(reveil_[0]);
    close(reveil_[1]);
    fd_ = reveil_[0] = reveil_[1] = -1;
    files.VideTout();
}

bool Tliaison::FixeVitesse(int bauds) {
    termios t{};
    if (fd_ < 0 || Vitesse(bauds) == B0 || tcgetattr(fd_, &t) != 0) return false;
    tcdrain(fd_);
    cfsetspeed(&t, Vitesse(bauds));
    return tcsetattr(fd_, TCSANOW, &t) == 0;
}

bool Tliaison::LanceFil() {
    if (fd_ < 0 || FilEnCours()) return false;
    if (fil_.joinable()) fil_.join();
    arret_ = false;
    enCours_.store(true, std::memory_order_release);
    fil_ = std::thread([this] { Fil(); });
    return true;
}

void Tliaison::ArreteFil() {
    arret_ = true;
    if (reveil_[1] >= 0) {
        const char c = 0;
        [[maybe_unused]] const ssize_t e = write(reveil_[1], &c, 1);
    }
    if (fil_.joinable()) fil_.join();
}

void Tliaison::Envoie(const std::uint8_t* octets, std::size_t n) {
    files.AjouteEnvoi(octets, n);
    if (reveil_[1] >= 0) {
        const char c = 0;
        [[maybe_unused]] const ssize_t e = write(reveil_[1], &c, 1);
    }
}

// Runs until asked to stop or until the line goes away (the device unplugged).
void Tliaison::Fil() {
    std::uint8_t tampon[4096];
    while (!arret_) {
        const bool aEnvoyer = !files.EnvoiVide();
        pollfd p[2] = {{fd_, static_cast<short>(POLLIN | (aEnvoyer ? POLLOUT : 0)), 0},
                       {reveil_[0], POLLIN, 0}};
        if (poll(p, 2, 100) < 0 && errno != EINTR) break;
        if (p[1].revents & POLLIN)
            while (read(reveil_[0], tampon, sizeof tampon) > 0) {
            }
        if (p[0].revents & (POLLIN | POLLHUP | POLLERR)) {
            const ssize_t n = read(fd_, tampon, sizeof tampon);
            if (n > 0) {
                files.AjouteReception(tampon, static_cast<std::size_t>(n));
            } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                break;
            }
        }
        if (p[0].revents & POLLOUT) {
            const std::size_t n = files.CopieEnvoi(tampon, sizeof tampon);
            const ssize_t e = write(fd_, tampon, n);
            if (e > 0) {
                files.RetireEnvoi(static_cast<std::size_t>(e));
            } else if (e < 0 && errno != EAGAIN && errno != EINTR) {
                break;
            }
        }
    }
    enCours_.store(false, std::memory_order_release);
}
