// The test plug-in's identity and public interfaces: what a test knows of it, as another plug-in
// would know it, through numbers and interface headers only.
#pragma once

#include "IPMUnknown.h"

constexpr PluginID kTestPlugInID = 0x7C0000;

constexpr ClassID kTestBaseBoss = 0x7C0000;
constexpr ClassID kTestDerivedBoss = 0x7C0001;
constexpr ClassID kTestServiceBoss = 0x7C0002;

// Answers which implementation stands behind it, so that a test sees which binding won.
class ITestWhich : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x7C0000 };
  virtual int32 Which() const = 0;
};

// A stored value (the one persistent implementation of the test plug-in).
class ITestValue : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x7C0001 };
  virtual int32 Get() const = 0;
  virtual void Set(int32 value) = 0;
};

// Further interfaces the resources bind.
constexpr PMIID IID_ITESTUTILITY = 0x7C0002;      // an add-in to the host's utilities
constexpr PMIID IID_ITESTAPPLICATION = 0x7C0003;  // an add-in to the host's application

// The values ITestWhich answers for each implementation.
constexpr int32 kBaseWhich = 1;
constexpr int32 kDerivedWhich = 2;
constexpr int32 kUtilityWhich = 3;
constexpr int32 kApplicationWhich = 4;

// Implementations, in the order the plug-in's source defines them.
constexpr ImplementationID kTestValueImpl = 0x7C0000;
constexpr ImplementationID kTestBaseWhichImpl = 0x7C0001;
constexpr ImplementationID kTestDerivedWhichImpl = 0x7C0002;
constexpr ImplementationID kTestUtilityWhichImpl = 0x7C0003;
constexpr ImplementationID kTestApplicationWhichImpl = 0x7C0004;
constexpr ImplementationID kTestServiceImpl = 0x7C0005;
