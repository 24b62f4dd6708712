#pragma once

#include <QGenericPlugin>

// The plug-in of bench/startup_bench.sh that marks when a program's first window is exposed and
// painted (startup_mark.cpp says how).
class StartupMarkPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "startup_mark.json")

 public:
  QObject* create(const QString& name, const QString& spec) override;
};
