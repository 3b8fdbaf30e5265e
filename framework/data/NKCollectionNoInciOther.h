// A collection of records with one record per item number (definitions, categories).
#pragma once

#include "framework/data/NKCollectionData.h"

class __NKCollectionNoInciOther : public __NKCollectionData {};
