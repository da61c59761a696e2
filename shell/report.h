#pragma once

#include <QJsonObject>

// The state of the running windows as one JSON document (--report): the
// shared state, both mixer windows with every strip's widgets, the tone
// panel and the card menu.  Its shape is described in docs/report.md.
QJsonObject makeReport();
