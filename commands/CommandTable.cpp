#include "CommandTable.h"

QStringList SpeedPresetItems()
{
    return ItemsOf({"ultrafast", "superfast", "veryfast", "faster", "fast", "medium", "slow",
                    "slower", "veryslow", "placebo"});
}
