#include "present/banner_rules.h"

int BannerMargin(ScaleMode scaleMode) {
    return scaleMode == ScaleMode::Pixels ? 20 : 280;
}
