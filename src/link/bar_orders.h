#pragma once

#include "link/engine_screen.h"

namespace unitlink {

// The order in which EnableButtonBar and DisableButtonBar walk the buttons.
inline const QList<BarButton> kFullBarWithHistoric = {
    BarButton::Connect,  BarButton::Help,        BarButton::Actuators, BarButton::Seventh,
    BarButton::LiveData, BarButton::Exit,        BarButton::Diagnosis, BarButton::Report,
    BarButton::Save,     BarButton::EraseFaults, BarButton::EngineInfo};
// Service takes Historic's place on the screens that have it.
inline const QList<BarButton> kFullBarWithService = kFullBarWithHistoric;
inline const QList<BarButton> kYamahaBar = {
    BarButton::Connect, BarButton::Actuators,   BarButton::LiveData,
    BarButton::Exit,    BarButton::Diagnosis,   BarButton::Report,
    BarButton::Save,    BarButton::EraseFaults, BarButton::EngineInfo};

} // namespace unitlink
