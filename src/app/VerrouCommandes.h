// Locks a few commands for the life of the object, and gives each back afterwards the
// state it would have had: an enabling asked for meanwhile (a play coming to its end)
// is kept for then, not applied at once.
#pragma once

#include <initializer_list>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QWidget>

class TverrouCommandes : public QObject {
public:
    explicit TverrouCommandes(std::initializer_list<QWidget*> commandes);
    ~TverrouCommandes() override;
    TverrouCommandes(const TverrouCommandes&) = delete;
    TverrouCommandes& operator=(const TverrouCommandes&) = delete;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    struct Tcommande {
        QPointer<QWidget> widget;
        bool actif;
    };
    std::vector<Tcommande> commandes_;
};
