#include "content/ZodiacPicturePage.h"

#include "content/PageWriter.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"

namespace {
const char* const kHeadAndBody =
    R"~(<HEAD><META http-equiv="Page-Enter" CONTENT="RevealTrans(Duration=2,Transition=5)"><TITLE></TITLE></HEAD>)~"
    R"~(<body onLoad="start()" bgcolor="gray" link="gray" vlink="gray" alink="gray" scroll="no" oncontextmenu="return false">)~";

// The picture starts at the bottom, climbs a pixel every 30 ms to the top and
// falls back to 44 px above the bottom, centred for a 28 px wide picture.
const char* const kBounceScript =
    R"~(<SCRIPT LANGUAGE="JavaScript">var xPos = 0;var step = 1;var delay = 30;var yPos = 0;var height = 0;var offset = 0;var yon = 0;)~"
    R"~(yPos = document.body.clientHeight;mvpic.style.top = yPos;)~"
    R"~(xPos = document.body.clientWidth; xPos = xPos - 28; if (xPos > 0) {xPos = xPos / 2};)~"
    R"~(function changePos() {if (yon == 0) {yPos = yPos - step;}else {yPos = yPos + step;})~"
    R"~(height = document.body.clientHeight;offset = 44;if (yPos < 0) {yon = 1;yPos = 0;})~"
    R"~(if (yPos >= (height - offset)) {yon = 0;yPos = (height - offset);}mvpic.style.left = xPos;mvpic.style.top = yPos + document.body.scrollTop;})~"
    R"~(function start(){loopfunc();}function loopfunc(){changePos();setTimeout('loopfunc()',delay);}</script>)~";

const char* const kCaption =
    R"~(<center><table border="0" bordercolor="black" cellpadding="3" cellspacing="2"><tr><td align="center">)~"
    R"~(<font color="yellow" size="2" face="Verdana"><b>Y<br>o<br>u<br>r<p><br>Z<br>o<br>d<br>i<br>a<br>c<p><br>S<br>i<br>g<br>n</b></font></td></tr>)~";
}

std::string ZodiacPicturePageBytes(const std::string& picturePath)
{
    std::string page = PageStart() + kHeadAndBody;
    page += R"~(<center><div id="mvpic" STYLE="position:absolute;visibility:visible;"><img src=")~" +
            FileUrlOf(picturePath) + R"~(" border="0"></div></center>)~";
    page += kBounceScript;
    page += AntiSelectScript();
    page += kCaption;
    for (const char* colour : {"gray", "gray", "white", "gray", "yellow", "gray", "green", "gray"})
        page += std::string(R"~(<tr><td align="center" height="15" bgcolor=")~") + colour + R"~("></td></tr>)~";
    page += "</table></center></body></html>";
    return ToWindows1252(page);
}

bool WriteZodiacPicturePage(const std::string& picturePath)
{
    const std::string content = InstallDir() + "sign_r.htm";
    WriteFileAtomically(InstallDir() + "sign_e.htm", EntryPageBytes(content), Durable::No);
    return WriteFileAtomically(content, ZodiacPicturePageBytes(picturePath), Durable::No);
}
