<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Motionbench</source>
        <translation>关于 Motionbench</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Motionbench&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A laboratory of two-dimensional mechanics and electromagnetism for the classroom.&lt;/p&gt;&lt;p&gt;Build an experiment from balls, charges, field regions, masses, springs, cords,&lt;br&gt;poles and tracks, run it, follow one ball&apos;s data and draw its curves.&lt;/p&gt;&lt;p&gt;Support: support@motionbench.org&lt;br&gt;Web: https://motionbench.org&lt;/p&gt;&lt;p&gt;Motionbench is free software: you may share and change it under the terms of&lt;br&gt;the GNU General Public License, version 3 or (at your choice) any later version.&lt;br&gt;It comes with no warranty. A copy of the licence comes with the program;&lt;br&gt;if it is missing, see https://www.gnu.org/licenses/.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Motionbench&lt;/h3&gt;&lt;p&gt;版本 %1&lt;/p&gt;&lt;p&gt;一个用于课堂教学的二维力学与电磁学实验室。&lt;/p&gt;&lt;p&gt;用小球、电荷、场区、质点、弹簧、绳、杆和轨道搭建实验，&lt;br&gt;运行它，跟踪一个小球的数据并画出它的曲线。&lt;/p&gt;&lt;p&gt;技术支持：support@motionbench.org&lt;br&gt;网站：https://motionbench.org&lt;/p&gt;&lt;p&gt;Motionbench 是自由软件：您可以依照 GNU 通用公共许可证第 3 版&lt;br&gt;或（由您选择）任何更新的版本分发和修改它。&lt;br&gt;本程序不提供任何担保。程序附带一份许可证；&lt;br&gt;如果缺失，请访问 https://www.gnu.org/licenses/。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>AddressBox</name>
    <message>
        <source>The desktop could not open this address.
Copy it into your mail program or web browser:</source>
        <translation>桌面无法打开这个地址。
请把它复制到您的邮件程序或网页浏览器中：</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Springiness parameter:</source>
        <translation>劲度系数：</translation>
    </message>
    <message>
        <source>K:</source>
        <translation>K：</translation>
    </message>
    <message>
        <source>N/m</source>
        <translation>N/m</translation>
    </message>
    <message>
        <source>Spring Initial length:</source>
        <translation>弹簧原长：</translation>
    </message>
    <message>
        <source>L:</source>
        <translation>L：</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Effect if:</source>
        <translation>作用条件：</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>拉伸和压缩</translation>
    </message>
    <message>
        <source>draw oneselg up</source>
        <translation>仅拉伸</translation>
    </message>
    <message>
        <source>compress</source>
        <translation>仅压缩</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>The initial length of spring can not be smaller than zero.</source>
        <translation>弹簧的原长不能小于零。</translation>
    </message>
    <message>
        <source>The springiness parameter must be biger than zero.</source>
        <translation>劲度系数必须大于零。</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X：</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y：</translation>
    </message>
    <message>
        <source>Pensile:</source>
        <translation>悬挂：</translation>
    </message>
    <message>
        <source>The ball it holds does not exist any more.</source>
        <translation>它所连接的小球已不存在。</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>连接：</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>上边：</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>下边：</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>左边：</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>右边：</translation>
    </message>
    <message>
        <source>The numbers are too large to be used.</source>
        <translation>数值太大，无法使用。</translation>
    </message>
    <message>
        <source>  is not a real number!</source>
        <translation>  不是一个实数！</translation>
    </message>
    <message>
        <source>  is not a real number.</source>
        <translation>  不是一个实数。</translation>
    </message>
    <message>
        <source>  is not real number!</source>
        <translation>  不是实数！</translation>
    </message>
    <message>
        <source>  is not real number.</source>
        <translation>  不是实数。</translation>
    </message>
    <message>
        <source>  is not a integer.</source>
        <translation>  不是一个整数。</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>How to use - Motionbench</source>
        <translation>使用说明 - Motionbench</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The user guide is missing&lt;/h2&gt;&lt;p&gt;It should be at &lt;code&gt;%1&lt;/code&gt;. Reinstalling Motionbench puts it back.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;找不到用户指南&lt;/h2&gt;&lt;p&gt;它应当位于 &lt;code&gt;%1&lt;/code&gt;。重新安装 Motionbench 可以恢复它。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LiveGraph</name>
    <message>
        <source>Live graph</source>
        <translation>实时图像</translation>
    </message>
    <message>
        <source>Save the live graph</source>
        <translation>保存实时图像</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>PNG 图片 (*.png);;SVG 图片 (*.svg)</translation>
    </message>
    <message>
        <source>Save the live graph&apos;s data</source>
        <translation>保存实时图像的数据</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>kinetic</source>
        <translation>动能</translation>
    </message>
    <message>
        <source>potential</source>
        <translation>势能</translation>
    </message>
    <message>
        <source>work</source>
        <translation>功</translation>
    </message>
    <message>
        <source>total</source>
        <translation>总能量</translation>
    </message>
    <message>
        <source>Fixed range</source>
        <translation>固定范围</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>保存图片...</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>保存数据...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Horizontal axis:</source>
        <translation>横轴：</translation>
    </message>
    <message>
        <source>x from</source>
        <translation>x 从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
    </message>
    <message>
        <source>y from</source>
        <translation>y 从</translation>
    </message>
    <message>
        <source>value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>无法把图片写入 %1。</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>速率</translation>
    </message>
    <message>
        <source>kinetic energy</source>
        <translation>动能</translation>
    </message>
    <message>
        <source>potential energy</source>
        <translation>势能</translation>
    </message>
    <message>
        <source>total energy</source>
        <translation>总能量</translation>
    </message>
    <message>
        <source>drift of the total</source>
        <translation>总能量的漂移</translation>
    </message>
    <message>
        <source>momentum px</source>
        <translation>动量 px</translation>
    </message>
    <message>
        <source>momentum py</source>
        <translation>动量 py</translation>
    </message>
    <message>
        <source>angular momentum</source>
        <translation>角动量</translation>
    </message>
    <message>
        <source>energy at t = %1 s</source>
        <translation>t = %1 s 时的能量</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>The program&apos;s own words</source>
        <translation>程序原文</translation>
    </message>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>下次启动程序时将使用所选的语言。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>&amp;New project</source>
        <translation>新建实验(&amp;N)</translation>
    </message>
    <message>
        <source>new</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>&amp;Open project</source>
        <translation>打开实验(&amp;O)</translation>
    </message>
    <message>
        <source>open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>&amp;Save project</source>
        <translation>保存实验(&amp;S)</translation>
    </message>
    <message>
        <source>save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save project &amp;As ...</source>
        <translation>实验另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Experiment set...  </source>
        <translation>实验设置(&amp;E)...</translation>
    </message>
    <message>
        <source>Lab condition set</source>
        <translation>实验条件设置</translation>
    </message>
    <message>
        <source>&amp;Adjust parameter...</source>
        <translation>调整参数(&amp;A)...</translation>
    </message>
    <message>
        <source>Adjust experiment component</source>
        <translation>调整实验元件</translation>
    </message>
    <message>
        <source>&amp;Lay background...</source>
        <translation>设置背景(&amp;L)...</translation>
    </message>
    <message>
        <source>Clear &amp;background</source>
        <translation>清除背景(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit experiment</source>
        <translation>适合窗口(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Show creating panel</source>
        <translation>显示创建面板(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Run experiment</source>
        <translation>运行实验(&amp;R)</translation>
    </message>
    <message>
        <source>Run (F5)</source>
        <translation>运行 (F5)</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>停止(&amp;O)</translation>
    </message>
    <message>
        <source>Stop (Esc)</source>
        <translation>停止 (Esc)</translation>
    </message>
    <message>
        <source>&amp;pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>pause (Space)</source>
        <translation>暂停 (空格)</translation>
    </message>
    <message>
        <source>&amp;Synchronous data output set</source>
        <translation>同步数据输出设置(&amp;S)</translation>
    </message>
    <message>
        <source>data out</source>
        <translation>数据输出</translation>
    </message>
    <message>
        <source>&amp;Experiment data curve</source>
        <translation>实验数据曲线(&amp;E)</translation>
    </message>
    <message>
        <source>Experiment curve</source>
        <translation>实验曲线</translation>
    </message>
    <message>
        <source>&amp;Live graph</source>
        <translation>实时图像(&amp;L)</translation>
    </message>
    <message>
        <source>Live graph</source>
        <translation>实时图像</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>单步(&amp;T)</translation>
    </message>
    <message>
        <source>Step: one tick of the paused run</source>
        <translation>单步：暂停的运行前进一拍</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>计算器(&amp;C)</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>计算器</translation>
    </message>
    <message>
        <source>&amp;Mail to us</source>
        <translation>给我们写信(&amp;M)</translation>
    </message>
    <message>
        <source>Visit our &amp;website</source>
        <translation>访问我们的网站(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;How to use</source>
        <translation>使用说明(&amp;H)</translation>
    </message>
    <message>
        <source>A&amp;bout the software</source>
        <translation>关于本软件(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Velocity arrows</source>
        <translation>速度箭头(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Acceleration arrows</source>
        <translation>加速度箭头(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>名称(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation>示例(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Recent projects</source>
        <translation>最近的实验(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>运行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Net</source>
        <translation>网络(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Coordinate:</source>
        <translation>坐标：</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>速度(&amp;D)</translation>
    </message>
    <message>
        <source>Speed of the run against the wall clock</source>
        <translation>运行相对于实际时间的快慢</translation>
    </message>
    <message>
        <source>Found one of the moving object has overflow the area can be controled,and it will result in error.Please reduce the step time,and try the experiment again.</source>
        <translation>发现有一个运动物体超出了可控制的区域，这会导致错误。请减小步长时间，然后重新进行实验。</translation>
    </message>
    <message>
        <source>Tick: %1% of %2 s</source>
        <translation>本拍：已完成 %2 s 的 %1%</translation>
    </message>
    <message>
        <source>Real time</source>
        <translation>实时</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>最快</translation>
    </message>
    <message>
        <source>Please choose the approximate place by the mouse.</source>
        <translation>请用鼠标选择大致位置。</translation>
    </message>
    <message>
        <source>Please choose the approximate field area by the mouse.</source>
        <translation>请用鼠标选择场的大致区域。</translation>
    </message>
    <message>
        <source>Please Choose the moving object which to be hung by mouse.</source>
        <translation>请用鼠标选择要悬挂的运动物体。</translation>
    </message>
    <message>
        <source>Choose one of the moving object which to be linked.</source>
        <translation>请选择要连接的运动物体之一。</translation>
    </message>
    <message>
        <source>Please choose the approximately place to hang the spring by the mouse.</source>
        <translation>请用鼠标选择悬挂弹簧的大致位置。</translation>
    </message>
    <message>
        <source>Please choose the approximately place to hang the cord by the mouse.</source>
        <translation>请用鼠标选择悬挂绳的大致位置。</translation>
    </message>
    <message>
        <source>Please choose the approximately place to hang the pole by the mouse.</source>
        <translation>请用鼠标选择悬挂杆的大致位置。</translation>
    </message>
    <message>
        <source>Choose the another object which to be linked.</source>
        <translation>请选择要连接的另一个物体。</translation>
    </message>
    <message>
        <source>Please choose the start of the track by the mouse.</source>
        <translation>请用鼠标选择轨道的起点。</translation>
    </message>
    <message>
        <source>Please choose the initial approximate palce by the mouse.</source>
        <translation>请用鼠标选择大致的初始位置。</translation>
    </message>
    <message>
        <source>&amp;Moving object</source>
        <translation>运动物体(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Dot electric field</source>
        <translation>点电荷电场(&amp;D)</translation>
    </message>
    <message>
        <source>Universal &amp;gravitation mass</source>
        <translation>万有引力质点(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Uniformity electric field</source>
        <translation>匀强电场(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Uniformity magnetic field</source>
        <translation>匀强磁场(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Damp field</source>
        <translation>阻尼场(&amp;D)</translation>
    </message>
    <message>
        <source>Please choose the damp&apos;s field area by the mouse.</source>
        <translation>请用鼠标选择阻尼场的区域。</translation>
    </message>
    <message>
        <source>&amp;Pensile one moving object</source>
        <translation>悬挂一个运动物体(&amp;P)</translation>
    </message>
    <message>
        <source>Please choose the moving object which to be hung by the mouse.</source>
        <translation>请用鼠标选择要悬挂的运动物体。</translation>
    </message>
    <message>
        <source>&amp;Link two moving object</source>
        <translation>连接两个运动物体(&amp;L)</translation>
    </message>
    <message>
        <source>Please choose one of the moving object which to be linked.</source>
        <translation>请选择要连接的运动物体之一。</translation>
    </message>
    <message>
        <source>Choose the another moving object which to be linked.</source>
        <translation>请选择要连接的另一个运动物体。</translation>
    </message>
    <message>
        <source>&amp;Rectilineal</source>
        <translation>直线(&amp;R)</translation>
    </message>
    <message>
        <source>Choose the end place of it by mouse.</source>
        <translation>请用鼠标选择它的终点。</translation>
    </message>
    <message>
        <source>&amp;Circular</source>
        <translation>圆弧(&amp;C)</translation>
    </message>
    <message>
        <source>Please choose the center of the circular track by the mouse.</source>
        <translation>请用鼠标选择圆弧轨道的圆心。</translation>
    </message>
    <message>
        <source>Please choose the center place of the circular track by the mouse.</source>
        <translation>请用鼠标选择圆弧轨道的圆心位置。</translation>
    </message>
    <message>
        <source>&amp;Remark</source>
        <translation>注释(&amp;R)</translation>
    </message>
    <message>
        <source>Please choose a place to show the remark.</source>
        <translation>请选择显示注释的位置。</translation>
    </message>
    <message>
        <source>&amp;Creat</source>
        <translation>创建(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Electric field</source>
        <translation>电场(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Cord</source>
        <translation>绳(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Pole</source>
        <translation>杆(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Spring</source>
        <translation>弹簧(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>轨道(&amp;T)</translation>
    </message>
    <message>
        <source>No room for another %1: %2 is the most.</source>
        <translation>无法再添加%1：最多只能有 %2 个。</translation>
    </message>
    <message>
        <source>Coordinate:(</source>
        <translation>坐标：(</translation>
    </message>
    <message>
        <source>moving objects</source>
        <translation>运动物体</translation>
    </message>
    <message>
        <source>point charges</source>
        <translation>点电荷</translation>
    </message>
    <message>
        <source>uniform electric fields</source>
        <translation>匀强电场</translation>
    </message>
    <message>
        <source>uniform magnetic fields</source>
        <translation>匀强磁场</translation>
    </message>
    <message>
        <source>gravity masses</source>
        <translation>引力质点</translation>
    </message>
    <message>
        <source>damping fields</source>
        <translation>阻尼场</translation>
    </message>
    <message>
        <source>hanging springs</source>
        <translation>悬挂弹簧</translation>
    </message>
    <message>
        <source>link springs</source>
        <translation>连接弹簧</translation>
    </message>
    <message>
        <source>straight tracks</source>
        <translation>直线轨道</translation>
    </message>
    <message>
        <source>circular tracks</source>
        <translation>圆弧轨道</translation>
    </message>
    <message>
        <source>hanging cords</source>
        <translation>悬挂绳</translation>
    </message>
    <message>
        <source>link cords</source>
        <translation>连接绳</translation>
    </message>
    <message>
        <source>hanging poles</source>
        <translation>悬挂杆</translation>
    </message>
    <message>
        <source>link poles</source>
        <translation>连接杆</translation>
    </message>
    <message>
        <source>remarks</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>单步</translation>
    </message>
    <message>
        <source>Motionbench did not end properly, and an experiment with unsaved changes was kept:

%1
last changed %2

Restore it?</source>
        <translation>Motionbench 上次没有正常退出，保留了一个有未保存修改的实验：

%1
最后修改于 %2

要恢复它吗？</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Can not find ground.bmp</source>
        <translation>找不到 ground.bmp</translation>
    </message>
    <message>
        <source>Please choose the moving object which to be shown it&apos;s data when runing.</source>
        <translation>请选择运行时要显示数据的运动物体。</translation>
    </message>
    <message>
        <source>Not zoomed: a ball would be drawn more than 30 pixels wide in radius.</source>
        <translation>没有缩放：小球的半径会超过 30 个像素。</translation>
    </message>
    <message>
        <source>Not zoomed: the view can not go further.</source>
        <translation>没有缩放：视图已经不能再缩放了。</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>平移</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>比例尺</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>撤销 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>重做 (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>C&amp;oordinate scale...</source>
        <translation>坐标比例(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>Motionbench Ver1.0</source>
        <translation>Motionbench 1.0 版</translation>
    </message>
    <message>
        <source>Can not open this file ,please check you system.</source>
        <translation>无法打开这个文件，请检查您的系统。</translation>
    </message>
    <message>
        <source>(lab file *.kmx) (*.kmx)</source>
        <translation>(实验文件 *.kmx) (*.kmx)</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>lay background</source>
        <translation>铺设背景</translation>
    </message>
    <message>
        <source>Can not read the picture %1</source>
        <translation>无法读取图片 %1</translation>
    </message>
    <message>
        <source>open experiment</source>
        <translation>打开实验</translation>
    </message>
    <message>
        <source>The experiment could not be saved to %1:
%2
The files that were there are unchanged.</source>
        <translation>实验无法保存到 %1：
%2
原有的文件没有改动。</translation>
    </message>
    <message>
        <source>save experiment</source>
        <translation>保存实验</translation>
    </message>
    <message>
        <source>%1[*] — Motionbench</source>
        <translation>%1[*] — Motionbench 实验室</translation>
    </message>
    <message>
        <source>remark</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>放置</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Experiment settings</source>
        <translation>实验设置</translation>
    </message>
    <message>
        <source>Curve settings</source>
        <translation>曲线设置</translation>
    </message>
    <message>
        <source>Data ball</source>
        <translation>数据小球</translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>Uniformity electric field set</source>
        <translation>匀强电场设置</translation>
    </message>
    <message>
        <source>Field set:</source>
        <translation>场区设置：</translation>
    </message>
    <message>
        <source>The intensity of the electric field:</source>
        <translation>电场强度：</translation>
    </message>
    <message>
        <source>E:</source>
        <translation>E：</translation>
    </message>
    <message>
        <source>N/C</source>
        <translation>N/C</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>degree</source>
        <translation>度</translation>
    </message>
    <message>
        <source>The intensity of the electric field can not be zero.</source>
        <translation>电场强度不能为零。</translation>
    </message>
    <message>
        <source>The direction must be in (-360,+360).</source>
        <translation>方向必须在 (-360,+360) 之内。</translation>
    </message>
    <message>
        <source>Do you want to delete this electric field?</source>
        <translation>要删除这个电场吗？</translation>
    </message>
</context>
<context>
    <name>TForm13</name>
    <message>
        <source>Uniformity magnetic field set</source>
        <translation>匀强磁场设置</translation>
    </message>
    <message>
        <source>Field set</source>
        <translation>场区设置</translation>
    </message>
    <message>
        <source>The intensity of the magnetic field:</source>
        <translation>磁感应强度：</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B：</translation>
    </message>
    <message>
        <source>t</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>Out of the screen</source>
        <translation>垂直屏幕向外</translation>
    </message>
    <message>
        <source>In to the screen</source>
        <translation>垂直屏幕向里</translation>
    </message>
    <message>
        <source>The intensity of the magnetic field can not be zero.</source>
        <translation>磁感应强度不能为零。</translation>
    </message>
    <message>
        <source>Do you want to delete this magnetic field?</source>
        <translation>要删除这个磁场吗？</translation>
    </message>
</context>
<context>
    <name>TForm15</name>
    <message>
        <source>Pensile spring set</source>
        <translation>悬挂弹簧设置</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X：</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y：</translation>
    </message>
    <message>
        <source>Pensile ball&apos;s name:</source>
        <translation>被悬挂小球的名称：</translation>
    </message>
    <message>
        <source>Please choose the pensile ball.</source>
        <translation>请选择被悬挂的小球。</translation>
    </message>
    <message>
        <source>Do you want to delete this spring?</source>
        <translation>要删除这个弹簧吗？</translation>
    </message>
</context>
<context>
    <name>TForm17</name>
    <message>
        <source>Link spring set</source>
        <translation>连接弹簧设置</translation>
    </message>
    <message>
        <source>Linked balls&apos;s name:</source>
        <translation>被连接小球的名称：</translation>
    </message>
    <message>
        <source>Ball1:</source>
        <translation>小球1：</translation>
    </message>
    <message>
        <source>Ball2</source>
        <translation>小球2：</translation>
    </message>
    <message>
        <source>Can not link with two same ball.</source>
        <translation>不能把同一个小球连接在两端。</translation>
    </message>
    <message>
        <source>The initial length can not be smaller than zero.</source>
        <translation>原长不能小于零。</translation>
    </message>
    <message>
        <source>Please choose the linked balls.</source>
        <translation>请选择被连接的小球。</translation>
    </message>
    <message>
        <source>Do you want to delete this spring ?</source>
        <translation>要删除这个弹簧吗？</translation>
    </message>
</context>
<context>
    <name>TForm19</name>
    <message>
        <source>Rectilineal track set</source>
        <translation>直线轨道设置</translation>
    </message>
    <message>
        <source>The start dot place:</source>
        <translation>起点位置：</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X：</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y：</translation>
    </message>
    <message>
        <source>The end dot place:</source>
        <translation>终点位置：</translation>
    </message>
    <message>
        <source>Do you want to delete this track ?</source>
        <translation>要删除这条轨道吗？</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>New experiment</source>
        <translation>新建实验</translation>
    </message>
    <message>
        <source>Save the current experiment?</source>
        <translation>保存当前的实验吗？</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TForm21</name>
    <message>
        <source>Circular track set</source>
        <translation>圆弧轨道设置</translation>
    </message>
    <message>
        <source>Center place:</source>
        <translation>圆心位置：</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X：</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y：</translation>
    </message>
    <message>
        <source>Radius:</source>
        <translation>半径：</translation>
    </message>
    <message>
        <source>Start angle:</source>
        <translation>起始角：</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>度</translation>
    </message>
    <message>
        <source>End angle:</source>
        <translation>终止角：</translation>
    </message>
    <message>
        <source>The end angle must be bigger than the start angle.</source>
        <translation>终止角必须大于起始角。</translation>
    </message>
    <message>
        <source>The radius of it must be biger than zero.</source>
        <translation>半径必须大于零。</translation>
    </message>
    <message>
        <source>The start angle must be in [-360,+360].</source>
        <translation>起始角必须在 [-360,+360] 之内。</translation>
    </message>
    <message>
        <source>The end angle must be in[-360,+360]。</source>
        <translation>终止角必须在 [-360,+360] 之内。</translation>
    </message>
    <message>
        <source>Do you want to delete this track ?</source>
        <translation>要删除这条轨道吗？</translation>
    </message>
</context>
<context>
    <name>TForm23</name>
    <message>
        <source>Damp field set</source>
        <translation>阻尼场设置</translation>
    </message>
    <message>
        <source>Field set:</source>
        <translation>场区设置：</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>参数：</translation>
    </message>
    <message>
        <source>N:</source>
        <translation>N：</translation>
    </message>
    <message>
        <source>K:</source>
        <translation>K：</translation>
    </message>
    <message>
        <source>Compute choices</source>
        <translation>计算方式</translation>
    </message>
    <message>
        <source>Force= N * Velocity</source>
        <translation>阻力 = N × 速度</translation>
    </message>
    <message>
        <source>Force= N * Mass * Velocity </source>
        <translation>阻力 = N × 质量 × 速度</translation>
    </message>
    <message>
        <source>Force= N * Cubage * Velocity</source>
        <translation>阻力 = N × 体积 × 速度</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>The parameter &apos;N&apos; must be biger than zero.</source>
        <translation>参数 &apos;N&apos; 必须大于零。</translation>
    </message>
    <message>
        <source>Do you want to delete this damp field ?</source>
        <translation>要删除这个阻尼场吗？</translation>
    </message>
</context>
<context>
    <name>TForm25</name>
    <message>
        <source>Experiment data</source>
        <translation>实验数据</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Ball:</source>
        <translation>小球：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>t:</source>
        <translation>t：</translation>
    </message>
    <message>
        <source>(s)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X：</translation>
    </message>
    <message>
        <source>(m)</source>
        <translation>(m)</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y：</translation>
    </message>
    <message>
        <source>velocity</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>vx:</source>
        <translation>vx：</translation>
    </message>
    <message>
        <source>(m/s)</source>
        <translation>(m/s)</translation>
    </message>
    <message>
        <source>vy:</source>
        <translation>vy：</translation>
    </message>
    <message>
        <source>|v|:</source>
        <translation>|v|：</translation>
    </message>
    <message>
        <source>θ:</source>
        <translation>θ：</translation>
    </message>
    <message>
        <source>(deg)</source>
        <translation>(°)</translation>
    </message>
    <message>
        <source>acceleration</source>
        <translation>加速度</translation>
    </message>
    <message>
        <source>ax:</source>
        <translation>ax：</translation>
    </message>
    <message>
        <source>(m/s  )</source>
        <translation>(m/s  )</translation>
    </message>
    <message>
        <source>ay:</source>
        <translation>ay：</translation>
    </message>
    <message>
        <source>|a|:</source>
        <translation>|a|：</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Every ball</source>
        <translation>所有小球</translation>
    </message>
    <message>
        <source>Record the experiment data</source>
        <translation>记录实验数据</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>The recorded data of this run has not been saved. Save it now?</source>
        <translation>这次运行记录的数据还没有保存。现在保存吗？</translation>
    </message>
    <message>
        <source>The file holds the first %1 ticks of the run.</source>
        <translation>文件中保存了这次运行的前 %1 步。</translation>
    </message>
    <message>
        <source>Write the values of every tick of this run to a CSV file</source>
        <translation>把这次运行每一步的数值写入 CSV 文件</translation>
    </message>
    <message>
        <source>Record the values of every ball, not only the one shown, from the next tick on</source>
        <translation>从下一步起记录所有小球的数值，而不只是显示的那一个</translation>
    </message>
</context>
<context>
    <name>TForm26</name>
    <message>
        <source>SynchronizationData out set</source>
        <translation>同步数据输出设置</translation>
    </message>
    <message>
        <source>Show moving object</source>
        <translation>显示运动物体</translation>
    </message>
    <message>
        <source>&apos;s moving data.</source>
        <translation> 的运动数据。</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>don&apos;t show</source>
        <translation>不显示</translation>
    </message>
</context>
<context>
    <name>TForm27</name>
    <message>
        <source>Remark set</source>
        <translation>注释设置</translation>
    </message>
    <message>
        <source>Remark text:</source>
        <translation>注释文字：</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>字体(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>颜色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Do you want to delete this remark ?</source>
        <translation>要删除这条注释吗？</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
</context>
<context>
    <name>TForm29</name>
    <message>
        <source>Time T</source>
        <translation>时间 T</translation>
    </message>
    <message>
        <source>position X</source>
        <translation>位置 X</translation>
    </message>
    <message>
        <source>position Y</source>
        <translation>位置 Y</translation>
    </message>
    <message>
        <source>distance |r|</source>
        <translation>距离 |r|</translation>
    </message>
    <message>
        <source>velocity Vx</source>
        <translation>速度 Vx</translation>
    </message>
    <message>
        <source>velocity Vy</source>
        <translation>速度 Vy</translation>
    </message>
    <message>
        <source>velocity |V|</source>
        <translation>速度 |V|</translation>
    </message>
    <message>
        <source>acceleration ax</source>
        <translation>加速度 ax</translation>
    </message>
    <message>
        <source>acceleration ay</source>
        <translation>加速度 ay</translation>
    </message>
    <message>
        <source>acceleration |a|</source>
        <translation>加速度 |a|</translation>
    </message>
    <message>
        <source>The Start time must be bigger than zero.</source>
        <translation>起始时间必须大于零。</translation>
    </message>
    <message>
        <source>The End time must be bigger than the start time.</source>
        <translation>终止时间必须大于起始时间。</translation>
    </message>
    <message>
        <source>The scale of coordinate can not be zero.</source>
        <translation>坐标的刻度不能为零。</translation>
    </message>
    <message>
        <source>Please set the curve object first.</source>
        <translation>请先设置曲线对象。</translation>
    </message>
    <message>
        <source>Experiment curve</source>
        <translation>实验曲线</translation>
    </message>
    <message>
        <source>Curve name:</source>
        <translation>曲线名称：</translation>
    </message>
    <message>
        <source>Start time:</source>
        <translation>起始时间：</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>终止时间：</translation>
    </message>
    <message>
        <source>(s)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>Horizontal variable:</source>
        <translation>横轴变量：</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>起点：</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>终点：</translation>
    </message>
    <message>
        <source>Vertical variable:</source>
        <translation>纵轴变量：</translation>
    </message>
    <message>
        <source>Object set</source>
        <translation>对象设置</translation>
    </message>
    <message>
        <source>Draw curve</source>
        <translation>画曲线</translation>
    </message>
    <message>
        <source>Save to bmp</source>
        <translation>保存为图片</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>保存数据...</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>复制数据</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适合</translation>
    </message>
    <message>
        <source>Join points</source>
        <translation>连接各点</translation>
    </message>
    <message>
        <source>Draw Curve</source>
        <translation>画曲线</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source> is not a real nember.</source>
        <translation> 不是一个实数。</translation>
    </message>
    <message>
        <source>生成实验曲线图象</source>
        <translation>生成实验曲线图象</translation>
    </message>
    <message>
        <source>(图象 *.Bmp) (*.bmp);;PNG picture (*.png)</source>
        <translation>图象 (*.bmp);;PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>Save the curve data</source>
        <translation>保存曲线数据</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>无法把图片写入 %1。</translation>
    </message>
    <message>
        <source>The file holds the first %1 samples of the curve.</source>
        <translation>文件中只保存了曲线的前 %1 个采样点。</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>The real length must be bigger than zero.</source>
        <translation>实际长度必须大于零。</translation>
    </message>
    <message>
        <source>Coordinate scale set</source>
        <translation>坐标比例设置</translation>
    </message>
    <message>
        <source>Please make a felicitous scale .</source>
        <translation>请设置一个合适的比例。</translation>
    </message>
    <message>
        <source>Length in the screen:</source>
        <translation>屏幕上的长度：</translation>
    </message>
    <message>
        <source>Real length:</source>
        <translation>实际长度：</translation>
    </message>
    <message>
        <source>(meter)</source>
        <translation>(米)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TForm30</name>
    <message>
        <source>Curve object set</source>
        <translation>曲线对象设置</translation>
    </message>
    <message>
        <source>Curve object set:</source>
        <translation>曲线对象：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TForm31</name>
    <message>
        <source>Panel</source>
        <translation>面板</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>注释</translation>
    </message>
</context>
<context>
    <name>TForm32</name>
    <message>
        <source>Parameter adjust</source>
        <translation>参数调整</translation>
    </message>
    <message>
        <source>Please choose the object to adjust:</source>
        <translation>请选择要调整的对象：</translation>
    </message>
    <message>
        <source>Object type:</source>
        <translation>对象类型：</translation>
    </message>
    <message>
        <source>Correlative object:</source>
        <translation>相应的对象：</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>调整(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Moving object</source>
        <translation>运动物体</translation>
    </message>
    <message>
        <source>Dot electric field</source>
        <translation>点电荷电场</translation>
    </message>
    <message>
        <source>Uniformity electric field</source>
        <translation>匀强电场</translation>
    </message>
    <message>
        <source>Uniformity magnetic field</source>
        <translation>匀强磁场</translation>
    </message>
    <message>
        <source>Universal &amp;gravitation mass</source>
        <translation>万有引力质点</translation>
    </message>
    <message>
        <source>Damp field</source>
        <translation>阻尼场</translation>
    </message>
    <message>
        <source>Pensile cord</source>
        <translation>悬挂绳</translation>
    </message>
    <message>
        <source>Link cord</source>
        <translation>连接绳</translation>
    </message>
    <message>
        <source>Pensile pole</source>
        <translation>悬挂杆</translation>
    </message>
    <message>
        <source>Link pole</source>
        <translation>连接杆</translation>
    </message>
    <message>
        <source>Pensile spring</source>
        <translation>悬挂弹簧</translation>
    </message>
    <message>
        <source>Link spring</source>
        <translation>连接弹簧</translation>
    </message>
    <message>
        <source>Rectilineal track</source>
        <translation>直线轨道</translation>
    </message>
    <message>
        <source>Circular track</source>
        <translation>圆弧轨道</translation>
    </message>
    <message>
        <source>Choose:</source>
        <translation>已选：</translation>
    </message>
    <message>
        <source> from </source>
        <translation>，类型：</translation>
    </message>
</context>
<context>
    <name>TForm33</name>
    <message>
        <source>Pensile cord set</source>
        <translation>悬挂绳设置</translation>
    </message>
    <message>
        <source>Do you want to delete this cord ?</source>
        <translation>要删除这根绳吗？</translation>
    </message>
</context>
<context>
    <name>TForm37</name>
    <message>
        <source>Link cord set</source>
        <translation>连接绳设置</translation>
    </message>
    <message>
        <source>Do you want to delete this cord ?</source>
        <translation>要删除这根绳吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>TForm39</name>
    <message>
        <source>Pensile pole set</source>
        <translation>悬挂杆设置</translation>
    </message>
    <message>
        <source>Do you want to delete this pole ?</source>
        <translation>要删除这根杆吗？</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Moving object set</source>
        <translation>运动物体设置</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Mass M：</source>
        <translation>质量 M：</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Radius R：</source>
        <translation>半径 R：</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Coulomb Q：</source>
        <translation>电荷量 Q：</translation>
    </message>
    <message>
        <source>coulomb</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Initial place:</source>
        <translation>初始位置：</translation>
    </message>
    <message>
        <source>X：</source>
        <translation>X：</translation>
    </message>
    <message>
        <source>Y：</source>
        <translation>Y：</translation>
    </message>
    <message>
        <source>Initial velocity:</source>
        <translation>初速度：</translation>
    </message>
    <message>
        <source>Vx：</source>
        <translation>Vx：</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Vy：</source>
        <translation>Vy：</translation>
    </message>
    <message>
        <source>Another force:</source>
        <translation>其他外力：</translation>
    </message>
    <message>
        <source>Fx：</source>
        <translation>Fx：</translation>
    </message>
    <message>
        <source>newton</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Fy：</source>
        <translation>Fy：</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Show moving track</source>
        <translation>显示运动轨迹</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>显示：</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>This is a wrong data! The ball&apos;s radius can not smaller than zero.</source>
        <translation>数据有误！小球的半径不能小于零。</translation>
    </message>
    <message>
        <source>The mass of a moving object must be greater than zero.</source>
        <translation>运动物体的质量必须大于零。</translation>
    </message>
    <message>
        <source>First,you must delete spring,cord and pole which linked with the ball.</source>
        <translation>请先删除与这个小球相连的弹簧、绳和杆。</translation>
    </message>
    <message>
        <source>meter</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Do you want to delete this moving object?</source>
        <translation>要删除这个运动物体吗？</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>In this coordinate setting,the ball&apos;s radius must be smaller than </source>
        <translation>在当前的坐标设置下，小球的半径必须小于 </translation>
    </message>
    <message>
        <source>The ball&apos;s radius can not smaller than zero.</source>
        <translation>小球的半径不能小于零。</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>In this coordinate setting,the ball&apos;s position is too far away to be shown.</source>
        <translation>在这个坐标设置下，小球的位置太远，无法显示。</translation>
    </message>
</context>
<context>
    <name>TForm41</name>
    <message>
        <source>Link pole set</source>
        <translation>连接杆设置</translation>
    </message>
    <message>
        <source>Do you want to delete this pole ?</source>
        <translation>要删除这根杆吗？</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>experiment set</source>
        <translation>实验设置</translation>
    </message>
    <message>
        <source>experimnet compute step time</source>
        <translation>实验计算的步长时间</translation>
    </message>
    <message>
        <source>T:</source>
        <translation>T：</translation>
    </message>
    <message>
        <source>(S)</source>
        <translation>(秒)</translation>
    </message>
    <message>
        <source>How many steps to be dealed together :</source>
        <translation>每次一起计算的步数：</translation>
    </message>
    <message>
        <source>Function set:</source>
        <translation>功能设置：</translation>
    </message>
    <message>
        <source>show coordinate</source>
        <translation>显示坐标</translation>
    </message>
    <message>
        <source>consider the gravitation</source>
        <translation>考虑重力</translation>
    </message>
    <message>
        <source>consider the theory of relativity</source>
        <translation>考虑相对论效应</translation>
    </message>
    <message>
        <source>consider each Universal gravitation</source>
        <translation>考虑物体间的万有引力</translation>
    </message>
    <message>
        <source>consider each electric charge attraction</source>
        <translation>考虑电荷间的库仑力</translation>
    </message>
    <message>
        <source>consider each bump</source>
        <translation>考虑物体间的碰撞</translation>
    </message>
    <message>
        <source>Accurate step (keeps energy and momentum on long runs)</source>
        <translation>精确步进（长时间运行时保持能量和动量守恒）</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>The step time must be biger than zero.</source>
        <translation>步长时间必须大于零。</translation>
    </message>
    <message>
        <source>The steps together must be biger than 1.</source>
        <translation>一起计算的步数必须大于 1。</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Dot electric field set</source>
        <translation>点电荷电场设置</translation>
    </message>
    <message>
        <source>name：</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Place：</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Coulomb :</source>
        <translation>电荷量：</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>The dot&apos;s Coulomb can not be zero.</source>
        <translation>点电荷的电荷量不能为零。</translation>
    </message>
    <message>
        <source>Do you want to delete this electric dot?</source>
        <translation>要删除这个点电荷吗？</translation>
    </message>
</context>
<context>
    <name>TForm9</name>
    <message>
        <source>Universal gravitation mass set</source>
        <translation>万有引力质点设置</translation>
    </message>
    <message>
        <source>name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>mass M:</source>
        <translation>质量 M：</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>The mass of it must be biger than zero.</source>
        <translation>它的质量必须大于零。</translation>
    </message>
    <message>
        <source>Do you want to delete this mass dot?</source>
        <translation>要删除这个质点吗？</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; 不是有效的浮点数</translation>
    </message>
    <message>
        <source>Motionbench</source>
        <translation>Motionbench</translation>
    </message>
</context>
</TS>
