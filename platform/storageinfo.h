#pragma once

#include <QString>

#include <functional>

// Size and use of the memory card's file system, and whether the card
// watcher has it mounted. Nothing asks the file system while no card is
// mounted, so an empty mount point never reports the root file system.
// Tests and the simulator script both.
class StorageInfo
{
public:
    struct Usage
    {
        double totalBytes = 0;
        double freeBytes = 0; // what root may use
    };

    static bool cardMounted();
    // Set by the card watcher as it mounts and unmounts the card.
    static void setCardMounted(bool mounted);

    // statfs of the path under the root; false when it cannot be asked.
    static bool usage(const QString &absolutePath, Usage *usage);

    // Replaces statfs; an empty function asks statfs again.
    using Script = std::function<bool(const QString &absolutePath, Usage *usage)>;
    static void setScript(Script script);

private:
    StorageInfo() = delete;
};
