#pragma once
// The library's stateless utility collections are namespaces, each reopened by the headers that
// add operations to it, so that one name can span several units on different layers. Every
// collection is also reachable under its short alias; callers use either name.

namespace TmStr {}
namespace TmConv {}
namespace TmRot {}
namespace TmDt {}
namespace TmFile {}
namespace TmSpeaker {}
namespace TmDlg {}
namespace TmINI {}
namespace TmTS {}

namespace mStr = TmStr;
namespace mConv = TmConv;
namespace mRot = TmRot;
namespace mDt = TmDt;
namespace mFile = TmFile;
namespace mSpeaker = TmSpeaker;
namespace mDlg = TmDlg;
namespace mINI = TmINI;
namespace mTS = TmTS;
