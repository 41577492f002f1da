#pragma once
// Where the places of the sample battle "Varnholm Ford" lie, by column and row of its
// 40 × 30 map. The River Varn runs from the north edge to the south edge; the Duchy holds
// the west bank, the Askeling host comes from the east.

#include <QPoint>

constexpr int kSampleCols = 40;
constexpr int kSampleRows = 30;

// The river flows north to south through both crossings; the road crosses the bridge
// from south-west to north-east, the track crosses the ford from north-west to south-east.
constexpr QPoint kBridge{20, 13};
constexpr QPoint kFord{22, 21};

constexpr QPoint kVarnholmKeep{17, 12};
constexpr QPoint kVarnholmChurch{18, 11};
constexpr QPoint kHolt{8, 14};    // western village on the high road
constexpr QPoint kEbbing{15, 22}; // village south of the town
constexpr QPoint kAskel{33, 12};  // eastern village behind the ridge
constexpr QPoint kAskelChurch{33, 11};
constexpr QPoint kSorby{28, 24};   // farm east of the ford
constexpr QPoint kMorrMere{32, 5}; // the lake the stream flows from
constexpr QPoint kAskelRidge{29, 15};
constexpr QPoint kGallowsHill{11, 19};
constexpr QPoint kHoltwood{3, 3};       // forest in the north-west
constexpr QPoint kEbbingForest{36, 26}; // forest in the south-east
constexpr QPoint kHoltMill{11, 16};
constexpr QPoint kAskelCamp{36, 16};
