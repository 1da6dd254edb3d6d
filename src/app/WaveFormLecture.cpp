// Playback of the analog or digitised sound through the media player.
#include <QTimer>
#include <QToolButton>

#include "app/WaveForm.h"

// Releases the player when no play is under way (a play keeps it until its end).
void TWaveForm::ArreteEcoute() {
    if (!PlayBtn->isEnabled()) return;
    MediaPlayer.SetWait(true);
    MediaPlayer.SetNotify(false);
    Timer1->stop();
    MediaPlayer.Close();
}
