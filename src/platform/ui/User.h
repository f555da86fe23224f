#pragma once
// The whole window layer: classes and windows, messages, menus, timers, input, painting, metrics,
// dropped files, prompts, the presenter link, the native controls, watched descriptors, the modal
// state and desktop services.

#include "platform/ui/ButtonControl.h"
#include "platform/ui/Descriptors.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Input.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/KeyCharacters.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Prompts.h"
#include "platform/ui/Rects.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/Shell.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"
