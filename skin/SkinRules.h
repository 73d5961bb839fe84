#pragma once

// The points where the skinned windows differ from one another, as data. Each
// window picks its preset; the shared painting, hover and click code reads it.

#include <climits>

namespace talvane68 {

struct SkinRules {
    enum class Captions {
        VisibleLabels,              // labels with textVisible set
        VisibleLabelsAndCaptioned,  // labels or captioned items, with textVisible set
        AllLabels,                  // every label, textVisible ignored
    };

    Captions captions = Captions::VisibleLabels;
    // Labels can be clicked (otherwise a click falls through to later items).
    bool labelsClickable = false;
    // A label shares the hover look of the button whose id is the label's id
    // plus this offset (0: no partners), for labels whose id is below the limit.
    int hoverPartnerOffset = 0;
    int hoverPartnerBelowId = INT_MAX;
    // Only items whose id is below this get the hover picture.
    int hoverLookBelowId = INT_MAX;
    // Every caption centred, whatever its textFormat.
    bool centreCaptions = false;
    // Captions in RGB(0, 0, 190) when active and RGB(200, 200, 200) otherwise,
    // whatever the item's colours.
    bool fixedCaptionColours = false;

    static SkinRules mainWindow() {
        SkinRules r;
        r.hoverPartnerOffset = 20;
        r.hoverPartnerBelowId = 77;
        return r;
    }
    static SkinRules keyMapWindow() {
        SkinRules r;
        r.captions = Captions::VisibleLabelsAndCaptioned;
        r.labelsClickable = true;
        return r;
    }
    static SkinRules backlightWindow() {
        SkinRules r;
        r.captions = Captions::AllLabels;
        r.labelsClickable = true;
        r.hoverPartnerOffset = 10;
        r.hoverLookBelowId = 100;
        r.centreCaptions = true;
        return r;
    }
    // The progress window and the firmware update window.
    static SkinRules progressWindow() {
        SkinRules r;
        r.captions = Captions::AllLabels;
        r.centreCaptions = true;
        r.fixedCaptionColours = true;
        return r;
    }
};

}  // namespace talvane68
