#pragma once
#include <QByteArray>

#include <vlc/vlc.h>

// How the player deinterlaces: "" not at all, otherwise the mode, on the pictures the stream
// codes as interlaced (VLC's own default); progressive pictures are left as they are.
// libVLC 3 can only force the filter on every picture from a player
// (libvlc_video_set_deinterlace): the automatic choice is an instance's setting, which a
// player takes when it is made. So each setting has its instance, made on first use (from
// a view's thread) and kept for the rest of the run. Null when libVLC cannot start.
libvlc_instance_t* instanceVlc(const QByteArray& desentrelacement);

// Whether this process has made a libVLC instance yet (cheap; any thread).
bool instanceVlcCreee();
