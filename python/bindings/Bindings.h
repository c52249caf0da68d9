#pragma once

#include "ScenarioSession.h"

#include <pybind11/pybind11.h>

/// The Python class of a scenario as the bindings define it.
using PyScenario = pybind11::class_<CScenarioSession>;

/// Where a scenario comes from: files, databases and the generators.
void BindSources(PyScenario& scenario);
/// The scenario's members, points, rule, settings and their setters; saving, the report and
/// scripts.
void BindEdits(PyScenario& scenario);
/// What the core computes: the concepts' values, their cells, the value maps and the chart.
void BindResults(PyScenario& scenario);
