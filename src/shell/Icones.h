#pragma once
#include <QIcon>

// The program's own pictures, drawn at run time: the idle and the recording icon.
QIcon IconeRepos();
QIcon IconeEnregistrement();
