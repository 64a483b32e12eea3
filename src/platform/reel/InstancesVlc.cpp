#include "platform/reel/InstancesVlc.h"

#include <atomic>
#include <map>
#include <mutex>
#include <vector>

namespace {
std::atomic<bool> g_instanceCreee{false};
}  // namespace

libvlc_instance_t* instanceVlc(const QByteArray& desentrelacement)
{
    static std::mutex mutex;
    static std::map<QByteArray, libvlc_instance_t*> instances;
    std::lock_guard verrou(mutex);
    libvlc_instance_t*& instance = instances[desentrelacement];
    if (!instance) {
        // No title over the picture, no snapshot thumbnail drawn over the next tiles, no
        // Xlib modules in a process whose toolkit talks XCB.
        std::vector<QByteArray> arguments{"--quiet", "--no-xlib", "--no-video-title-show", "--no-snapshot-preview",
                                          "--no-stats"};
        if (desentrelacement.isEmpty()) {
            arguments.push_back("--deinterlace=0");
        } else {
            arguments.push_back("--deinterlace=-1");
            arguments.push_back("--deinterlace-mode=" + desentrelacement);
        }
        std::vector<const char*> pointeurs;
        for (const QByteArray& a : arguments)
            pointeurs.push_back(a.constData());
        instance = libvlc_new(int(pointeurs.size()), pointeurs.data());
        if (instance)
            g_instanceCreee = true;
    }
    return instance;
}

bool instanceVlcCreee()
{
    return g_instanceCreee;
}
