#include "window/window_texts.h"

#include "base/version.h"

namespace quill
{

QString programTitle()
{
    return QStringLiteral("Quillmere V%1.%2.%3")
        .arg(versionMajor)
        .arg(versionMinor)
        .arg(versionPatch);
}

QString welcomeText()
{
    return QStringLiteral(
        "欢迎使用 Quillmere！选好题型、数的范围和题量，点“生成练习”，"
        "一套练习题（和答案）就会排成表格存为 Word 文档（.docx）或 PDF（看“格式”）。"
        "Word 文档要用文字处理软件打开和打印，例如 LibreOffice、WPS 或 Microsoft Word；"
        "PDF 直接就能打印。");
}

QString tipsHtml()
{
    return QStringLiteral(R"(
<h3 style="margin:0 0 4px 0">使用小窍门</h3>
<ul style="margin-left:-20px">
<li>把鼠标停在选中的<b>“简便计算”</b>或<b>“单位换算”</b>上（或点右键），可以选择运算定律或单位。</li>
<li>勾选<b>“答案”</b>会另外生成一份答案文档；勾选<b>“保存”</b>会把这套题记下来，以后在“保存的练习”里可以再次载入或删除。</li>
<li>出题时红字的进度提示就是停止按钮：条件太苛刻、题目一直出不齐时，点它就能停下。</li>
<li><b>接近度</b>越大，题目里的两个数越接近。</li>
<li>“范围”选一至三年级时，只出整数题，除数也只有一位数。</li>
<li>题量、列数、字号和行距只能输入数字；不合适的数值会在半秒内自动改回来，并给出提示。</li>
<li>文档保存在“文档”文件夹的 Quillmere 子文件夹里，生成后会自动打开。</li>
<li>点<b>“预览”</b>按现在的设置出一套题，先看题目卷第一页打印出来的样子；预览不保存，也不写文档。</li>
<li>在终端里也能出题：<tt>quillmere generate --help</tt>。</li>
</ul>
)");
}

} // namespace quill
