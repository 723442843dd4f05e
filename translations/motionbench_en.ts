<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Motionbench</source>
        <translation>About Motionbench</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Motionbench&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A laboratory of two-dimensional mechanics and electromagnetism for the classroom.&lt;/p&gt;&lt;p&gt;Build an experiment from balls, charges, field regions, masses, springs, cords,&lt;br&gt;poles and tracks, run it, follow one ball&apos;s data and draw its curves.&lt;/p&gt;&lt;p&gt;Support: support@motionbench.org&lt;br&gt;Web: https://motionbench.org&lt;/p&gt;&lt;p&gt;Motionbench is free software: you may share and change it under the terms of&lt;br&gt;the GNU General Public License, version 3 or (at your choice) any later version.&lt;br&gt;It comes with no warranty. A copy of the licence comes with the program;&lt;br&gt;if it is missing, see https://www.gnu.org/licenses/.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Motionbench&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A laboratory of two-dimensional mechanics and electromagnetism for the classroom.&lt;/p&gt;&lt;p&gt;Build an experiment from balls, charges, field regions, masses, springs, cords,&lt;br&gt;poles and tracks, run it, follow one ball&apos;s data and draw its curves.&lt;/p&gt;&lt;p&gt;Support: support@motionbench.org&lt;br&gt;Web: https://motionbench.org&lt;/p&gt;&lt;p&gt;Motionbench is free software: you may share and change it under the terms of&lt;br&gt;the GNU General Public License, version 3 or (at your choice) any later version.&lt;br&gt;It comes with no warranty. A copy of the licence comes with the program;&lt;br&gt;if it is missing, see https://www.gnu.org/licenses/.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>AddressBox</name>
    <message>
        <source>The desktop could not open this address.
Copy it into your mail program or web browser:</source>
        <translation>The desktop could not open this address.
Copy it into your mail program or web browser:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Springiness parameter:</source>
        <translation>Springiness parameter:</translation>
    </message>
    <message>
        <source>K:</source>
        <translation>K:</translation>
    </message>
    <message>
        <source>N/m</source>
        <translation>N/m</translation>
    </message>
    <message>
        <source>Spring Initial length:</source>
        <translation>Spring initial length:</translation>
    </message>
    <message>
        <source>L:</source>
        <translation>L:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Effect if:</source>
        <translation>Takes effect if:</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>draw oneselg up</source>
        <translation>draw itself up</translation>
    </message>
    <message>
        <source>compress</source>
        <translation>compress</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>The initial length of spring can not be smaller than zero.</source>
        <translation>The initial length of the spring cannot be smaller than zero.</translation>
    </message>
    <message>
        <source>The springiness parameter must be biger than zero.</source>
        <translation>The springiness parameter must be bigger than zero.</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Place:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Pensile:</source>
        <translation>Pensile:</translation>
    </message>
    <message>
        <source>The ball it holds does not exist any more.</source>
        <translation>The ball it holds does not exist any more.</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Top:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>Bottom:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Right:</translation>
    </message>
    <message>
        <source>The numbers are too large to be used.</source>
        <translation>The numbers are too large to be used.</translation>
    </message>
    <message>
        <source>  is not a real number!</source>
        <translation>  is not a real number!</translation>
    </message>
    <message>
        <source>  is not a real number.</source>
        <translation>  is not a real number.</translation>
    </message>
    <message>
        <source>  is not real number!</source>
        <translation>  is not a real number!</translation>
    </message>
    <message>
        <source>  is not real number.</source>
        <translation>  is not a real number.</translation>
    </message>
    <message>
        <source>  is not a integer.</source>
        <translation>  is not an integer.</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>How to use - Motionbench</source>
        <translation>How to use - Motionbench</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The user guide is missing&lt;/h2&gt;&lt;p&gt;It should be at &lt;code&gt;%1&lt;/code&gt;. Reinstalling Motionbench puts it back.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;The user guide is missing&lt;/h2&gt;&lt;p&gt;It should be at &lt;code&gt;%1&lt;/code&gt;. Reinstalling Motionbench puts it back.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LiveGraph</name>
    <message>
        <source>Live graph</source>
        <translation>Live graph</translation>
    </message>
    <message>
        <source>Save the live graph</source>
        <translation>Save the live graph</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>PNG picture (*.png);;SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Save the live graph&apos;s data</source>
        <translation>Save the live graph&apos;s data</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>kinetic</source>
        <translation>kinetic</translation>
    </message>
    <message>
        <source>potential</source>
        <translation>potential</translation>
    </message>
    <message>
        <source>work</source>
        <translation>work</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>Fixed range</source>
        <translation>Fixed range</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Save picture...</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Save data...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Horizontal axis:</source>
        <translation>Horizontal axis:</translation>
    </message>
    <message>
        <source>x from</source>
        <translation>x from</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>y from</source>
        <translation>y from</translation>
    </message>
    <message>
        <source>value</source>
        <translation>value</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>The picture could not be written to %1.</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>speed</translation>
    </message>
    <message>
        <source>kinetic energy</source>
        <translation>kinetic energy</translation>
    </message>
    <message>
        <source>potential energy</source>
        <translation>potential energy</translation>
    </message>
    <message>
        <source>total energy</source>
        <translation>total energy</translation>
    </message>
    <message>
        <source>drift of the total</source>
        <translation>drift of the total</translation>
    </message>
    <message>
        <source>momentum px</source>
        <translation>momentum px</translation>
    </message>
    <message>
        <source>momentum py</source>
        <translation>momentum py</translation>
    </message>
    <message>
        <source>angular momentum</source>
        <translation>angular momentum</translation>
    </message>
    <message>
        <source>energy at t = %1 s</source>
        <translation>energy at t = %1 s</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>The program&apos;s own words</source>
        <translation>The program&apos;s own words</translation>
    </message>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>The program speaks the chosen language from its next start.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;New project</source>
        <translation>&amp;New project</translation>
    </message>
    <message>
        <source>new</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Open project</source>
        <translation>&amp;Open project</translation>
    </message>
    <message>
        <source>open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Save project</source>
        <translation>&amp;Save project</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save project &amp;As ...</source>
        <translation>Save project &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Experiment set...  </source>
        <translation>&amp;Experiment set...</translation>
    </message>
    <message>
        <source>Lab condition set</source>
        <translation>Lab condition set</translation>
    </message>
    <message>
        <source>&amp;Adjust parameter...</source>
        <translation>&amp;Adjust parameter...</translation>
    </message>
    <message>
        <source>Adjust experiment component</source>
        <translation>Adjust an experiment component</translation>
    </message>
    <message>
        <source>&amp;Lay background...</source>
        <translation>&amp;Lay background...</translation>
    </message>
    <message>
        <source>Clear &amp;background</source>
        <translation>Clear &amp;background</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>&amp;Fit experiment</source>
        <translation>&amp;Fit experiment</translation>
    </message>
    <message>
        <source>&amp;Show creating panel</source>
        <translation>&amp;Show creating panel</translation>
    </message>
    <message>
        <source>&amp;Run experiment</source>
        <translation>&amp;Run experiment</translation>
    </message>
    <message>
        <source>Run (F5)</source>
        <translation>Run (F5)</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>St&amp;op</translation>
    </message>
    <message>
        <source>Stop (Esc)</source>
        <translation>Stop (Esc)</translation>
    </message>
    <message>
        <source>&amp;pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>pause (Space)</source>
        <translation>Pause (Space)</translation>
    </message>
    <message>
        <source>&amp;Synchronous data output set</source>
        <translation>&amp;Synchronous data output set</translation>
    </message>
    <message>
        <source>data out</source>
        <translation>Data out</translation>
    </message>
    <message>
        <source>&amp;Experiment data curve</source>
        <translation>&amp;Experiment data curve</translation>
    </message>
    <message>
        <source>Experiment curve</source>
        <translation>Experiment curve</translation>
    </message>
    <message>
        <source>&amp;Live graph</source>
        <translation>&amp;Live graph</translation>
    </message>
    <message>
        <source>Live graph</source>
        <translation>Live graph</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>S&amp;tep</translation>
    </message>
    <message>
        <source>Step: one tick of the paused run</source>
        <translation>Step: one tick of the paused run</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculator</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>&amp;Mail to us</source>
        <translation>&amp;Mail to us</translation>
    </message>
    <message>
        <source>Visit our &amp;website</source>
        <translation>Visit our &amp;website</translation>
    </message>
    <message>
        <source>&amp;How to use</source>
        <translation>&amp;How to use</translation>
    </message>
    <message>
        <source>A&amp;bout the software</source>
        <translation>A&amp;bout the software</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Velocity arrows</source>
        <translation>&amp;Velocity arrows</translation>
    </message>
    <message>
        <source>&amp;Acceleration arrows</source>
        <translation>&amp;Acceleration arrows</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Names</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation>&amp;Examples</translation>
    </message>
    <message>
        <source>&amp;Recent projects</source>
        <translation>&amp;Recent projects</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Net</source>
        <translation>&amp;Net</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Coordinate:</source>
        <translation>Coordinate:</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>Spee&amp;d</translation>
    </message>
    <message>
        <source>Speed of the run against the wall clock</source>
        <translation>Speed of the run against the wall clock</translation>
    </message>
    <message>
        <source>Found one of the moving object has overflow the area can be controled,and it will result in error.Please reduce the step time,and try the experiment again.</source>
        <translation>One of the moving objects has overflowed the area that can be controlled, and it will result in errors. Please reduce the step time and try the experiment again.</translation>
    </message>
    <message>
        <source>Tick: %1% of %2 s</source>
        <translation>Tick: %1% of %2 s</translation>
    </message>
    <message>
        <source>Real time</source>
        <translation>Real time</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Fastest</translation>
    </message>
    <message>
        <source>Please choose the approximate place by the mouse.</source>
        <translation>Please choose the approximate place with the mouse.</translation>
    </message>
    <message>
        <source>Please choose the approximate field area by the mouse.</source>
        <translation>Please choose the approximate field area with the mouse.</translation>
    </message>
    <message>
        <source>Please Choose the moving object which to be hung by mouse.</source>
        <translation>Please choose the moving object to be hung with the mouse.</translation>
    </message>
    <message>
        <source>Choose one of the moving object which to be linked.</source>
        <translation>Choose one of the moving objects to be linked.</translation>
    </message>
    <message>
        <source>Please choose the approximately place to hang the spring by the mouse.</source>
        <translation>Please choose the approximate place to hang the spring with the mouse.</translation>
    </message>
    <message>
        <source>Please choose the approximately place to hang the cord by the mouse.</source>
        <translation>Please choose the approximate place to hang the cord with the mouse.</translation>
    </message>
    <message>
        <source>Please choose the approximately place to hang the pole by the mouse.</source>
        <translation>Please choose the approximate place to hang the pole with the mouse.</translation>
    </message>
    <message>
        <source>Choose the another object which to be linked.</source>
        <translation>Choose the other object to be linked.</translation>
    </message>
    <message>
        <source>Please choose the start of the track by the mouse.</source>
        <translation>Please choose the start of the track with the mouse.</translation>
    </message>
    <message>
        <source>Please choose the initial approximate palce by the mouse.</source>
        <translation>Please choose the initial approximate place with the mouse.</translation>
    </message>
    <message>
        <source>&amp;Moving object</source>
        <translation>&amp;Moving object</translation>
    </message>
    <message>
        <source>&amp;Dot electric field</source>
        <translation>&amp;Dot electric field</translation>
    </message>
    <message>
        <source>Universal &amp;gravitation mass</source>
        <translation>Universal &amp;gravitation mass</translation>
    </message>
    <message>
        <source>&amp;Uniformity electric field</source>
        <translation>&amp;Uniform electric field</translation>
    </message>
    <message>
        <source>&amp;Uniformity magnetic field</source>
        <translation>&amp;Uniform magnetic field</translation>
    </message>
    <message>
        <source>&amp;Damp field</source>
        <translation>&amp;Damping field</translation>
    </message>
    <message>
        <source>Please choose the damp&apos;s field area by the mouse.</source>
        <translation>Please choose the damping field&apos;s area with the mouse.</translation>
    </message>
    <message>
        <source>&amp;Pensile one moving object</source>
        <translation>&amp;Hang one moving object</translation>
    </message>
    <message>
        <source>Please choose the moving object which to be hung by the mouse.</source>
        <translation>Please choose the moving object to be hung with the mouse.</translation>
    </message>
    <message>
        <source>&amp;Link two moving object</source>
        <translation>&amp;Link two moving objects</translation>
    </message>
    <message>
        <source>Please choose one of the moving object which to be linked.</source>
        <translation>Please choose one of the moving objects to be linked.</translation>
    </message>
    <message>
        <source>Choose the another moving object which to be linked.</source>
        <translation>Choose the other moving object to be linked.</translation>
    </message>
    <message>
        <source>&amp;Rectilineal</source>
        <translation>&amp;Rectilineal</translation>
    </message>
    <message>
        <source>Choose the end place of it by mouse.</source>
        <translation>Choose its end place with the mouse.</translation>
    </message>
    <message>
        <source>&amp;Circular</source>
        <translation>&amp;Circular</translation>
    </message>
    <message>
        <source>Please choose the center of the circular track by the mouse.</source>
        <translation>Please choose the center of the circular track with the mouse.</translation>
    </message>
    <message>
        <source>Please choose the center place of the circular track by the mouse.</source>
        <translation>Please choose the center of the circular track with the mouse.</translation>
    </message>
    <message>
        <source>&amp;Remark</source>
        <translation>&amp;Remark</translation>
    </message>
    <message>
        <source>Please choose a place to show the remark.</source>
        <translation>Please choose a place to show the remark.</translation>
    </message>
    <message>
        <source>&amp;Creat</source>
        <translation>&amp;Create</translation>
    </message>
    <message>
        <source>&amp;Electric field</source>
        <translation>&amp;Electric field</translation>
    </message>
    <message>
        <source>&amp;Cord</source>
        <translation>&amp;Cord</translation>
    </message>
    <message>
        <source>&amp;Pole</source>
        <translation>&amp;Pole</translation>
    </message>
    <message>
        <source>&amp;Spring</source>
        <translation>&amp;Spring</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>&amp;Track</translation>
    </message>
    <message>
        <source>No room for another %1: %2 is the most.</source>
        <translation>No room for another %1: %2 is the most.</translation>
    </message>
    <message>
        <source>Coordinate:(</source>
        <translation>Coordinate:(</translation>
    </message>
    <message>
        <source>moving objects</source>
        <translation>moving objects</translation>
    </message>
    <message>
        <source>point charges</source>
        <translation>point charges</translation>
    </message>
    <message>
        <source>uniform electric fields</source>
        <translation>uniform electric fields</translation>
    </message>
    <message>
        <source>uniform magnetic fields</source>
        <translation>uniform magnetic fields</translation>
    </message>
    <message>
        <source>gravity masses</source>
        <translation>gravity masses</translation>
    </message>
    <message>
        <source>damping fields</source>
        <translation>damping fields</translation>
    </message>
    <message>
        <source>hanging springs</source>
        <translation>hanging springs</translation>
    </message>
    <message>
        <source>link springs</source>
        <translation>link springs</translation>
    </message>
    <message>
        <source>straight tracks</source>
        <translation>straight tracks</translation>
    </message>
    <message>
        <source>circular tracks</source>
        <translation>circular tracks</translation>
    </message>
    <message>
        <source>hanging cords</source>
        <translation>hanging cords</translation>
    </message>
    <message>
        <source>link cords</source>
        <translation>link cords</translation>
    </message>
    <message>
        <source>hanging poles</source>
        <translation>hanging poles</translation>
    </message>
    <message>
        <source>link poles</source>
        <translation>link poles</translation>
    </message>
    <message>
        <source>remarks</source>
        <translation>remarks</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Motionbench did not end properly, and an experiment with unsaved changes was kept:

%1
last changed %2

Restore it?</source>
        <translation>Motionbench did not end properly, and an experiment with unsaved changes was kept:

%1
last changed %2

Restore it?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Can not find ground.bmp</source>
        <translation>Cannot find ground.bmp.</translation>
    </message>
    <message>
        <source>Please choose the moving object which to be shown it&apos;s data when runing.</source>
        <translation>Please choose the moving object whose data are to be shown while running.</translation>
    </message>
    <message>
        <source>Not zoomed: a ball would be drawn more than 30 pixels wide in radius.</source>
        <translation>Not zoomed: a ball would be drawn more than 30 pixels wide in radius.</translation>
    </message>
    <message>
        <source>Not zoomed: the view can not go further.</source>
        <translation>Not zoomed: the view cannot go further.</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Undo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Redo (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>C&amp;oordinate scale...</source>
        <translation>C&amp;oordinate scale...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>Motionbench Ver1.0</source>
        <translation>Motionbench Ver. 1.0</translation>
    </message>
    <message>
        <source>Can not open this file ,please check you system.</source>
        <translation>Cannot open this file; please check your system.</translation>
    </message>
    <message>
        <source>(lab file *.kmx) (*.kmx)</source>
        <translation>Lab file (*.kmx)</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>lay background</source>
        <translation>Lay background</translation>
    </message>
    <message>
        <source>Can not read the picture %1</source>
        <translation>Cannot read the picture %1</translation>
    </message>
    <message>
        <source>open experiment</source>
        <translation>Open experiment</translation>
    </message>
    <message>
        <source>The experiment could not be saved to %1:
%2
The files that were there are unchanged.</source>
        <translation>The experiment could not be saved to %1:
%2
The files that were there are unchanged.</translation>
    </message>
    <message>
        <source>save experiment</source>
        <translation>Save experiment</translation>
    </message>
    <message>
        <source>%1[*] — Motionbench</source>
        <translation>%1[*] — Motionbench</translation>
    </message>
    <message>
        <source>remark</source>
        <translation>remark</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Experiment settings</source>
        <translation>Experiment settings</translation>
    </message>
    <message>
        <source>Curve settings</source>
        <translation>Curve settings</translation>
    </message>
    <message>
        <source>Data ball</source>
        <translation>Data ball</translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>Uniformity electric field set</source>
        <translation>Uniform electric field set</translation>
    </message>
    <message>
        <source>Field set:</source>
        <translation>Field set:</translation>
    </message>
    <message>
        <source>The intensity of the electric field:</source>
        <translation>The intensity of the electric field:</translation>
    </message>
    <message>
        <source>E:</source>
        <translation>E:</translation>
    </message>
    <message>
        <source>N/C</source>
        <translation>N/C</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>degree</source>
        <translation>degree</translation>
    </message>
    <message>
        <source>The intensity of the electric field can not be zero.</source>
        <translation>The intensity of the electric field cannot be zero.</translation>
    </message>
    <message>
        <source>The direction must be in (-360,+360).</source>
        <translation>The direction must be in (-360,+360).</translation>
    </message>
    <message>
        <source>Do you want to delete this electric field?</source>
        <translation>Do you want to delete this electric field?</translation>
    </message>
</context>
<context>
    <name>TForm13</name>
    <message>
        <source>Uniformity magnetic field set</source>
        <translation>Uniform magnetic field set</translation>
    </message>
    <message>
        <source>Field set</source>
        <translation>Field set</translation>
    </message>
    <message>
        <source>The intensity of the magnetic field:</source>
        <translation>The intensity of the magnetic field:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
    <message>
        <source>t</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Out of the screen</source>
        <translation>Out of the screen</translation>
    </message>
    <message>
        <source>In to the screen</source>
        <translation>Into the screen</translation>
    </message>
    <message>
        <source>The intensity of the magnetic field can not be zero.</source>
        <translation>The intensity of the magnetic field cannot be zero.</translation>
    </message>
    <message>
        <source>Do you want to delete this magnetic field?</source>
        <translation>Do you want to delete this magnetic field?</translation>
    </message>
</context>
<context>
    <name>TForm15</name>
    <message>
        <source>Pensile spring set</source>
        <translation>Pensile spring set</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Place:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Pensile ball&apos;s name:</source>
        <translation>Pensile ball&apos;s name:</translation>
    </message>
    <message>
        <source>Please choose the pensile ball.</source>
        <translation>Please choose the pensile ball.</translation>
    </message>
    <message>
        <source>Do you want to delete this spring?</source>
        <translation>Do you want to delete this spring?</translation>
    </message>
</context>
<context>
    <name>TForm17</name>
    <message>
        <source>Link spring set</source>
        <translation>Link spring set</translation>
    </message>
    <message>
        <source>Linked balls&apos;s name:</source>
        <translation>Linked balls&apos; names:</translation>
    </message>
    <message>
        <source>Ball1:</source>
        <translation>Ball1:</translation>
    </message>
    <message>
        <source>Ball2</source>
        <translation>Ball2:</translation>
    </message>
    <message>
        <source>Can not link with two same ball.</source>
        <translation>Cannot link the same ball at both ends.</translation>
    </message>
    <message>
        <source>The initial length can not be smaller than zero.</source>
        <translation>The initial length cannot be smaller than zero.</translation>
    </message>
    <message>
        <source>Please choose the linked balls.</source>
        <translation>Please choose the linked balls.</translation>
    </message>
    <message>
        <source>Do you want to delete this spring ?</source>
        <translation>Do you want to delete this spring?</translation>
    </message>
</context>
<context>
    <name>TForm19</name>
    <message>
        <source>Rectilineal track set</source>
        <translation>Rectilineal track set</translation>
    </message>
    <message>
        <source>The start dot place:</source>
        <translation>The start dot place:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>The end dot place:</source>
        <translation>The end dot place:</translation>
    </message>
    <message>
        <source>Do you want to delete this track ?</source>
        <translation>Do you want to delete this track?</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>New experiment</source>
        <translation>New experiment</translation>
    </message>
    <message>
        <source>Save the current experiment?</source>
        <translation>Save the current experiment?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TForm21</name>
    <message>
        <source>Circular track set</source>
        <translation>Circular track set</translation>
    </message>
    <message>
        <source>Center place:</source>
        <translation>Center place:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Radius:</source>
        <translation>Radius:</translation>
    </message>
    <message>
        <source>Start angle:</source>
        <translation>Start angle:</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>End angle:</source>
        <translation>End angle:</translation>
    </message>
    <message>
        <source>The end angle must be bigger than the start angle.</source>
        <translation>The end angle must be bigger than the start angle.</translation>
    </message>
    <message>
        <source>The radius of it must be biger than zero.</source>
        <translation>Its radius must be bigger than zero.</translation>
    </message>
    <message>
        <source>The start angle must be in [-360,+360].</source>
        <translation>The start angle must be in [-360,+360].</translation>
    </message>
    <message>
        <source>The end angle must be in[-360,+360]。</source>
        <translation>The end angle must be in [-360,+360].</translation>
    </message>
    <message>
        <source>Do you want to delete this track ?</source>
        <translation>Do you want to delete this track?</translation>
    </message>
</context>
<context>
    <name>TForm23</name>
    <message>
        <source>Damp field set</source>
        <translation>Damping field set</translation>
    </message>
    <message>
        <source>Field set:</source>
        <translation>Field set:</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>Parameter:</translation>
    </message>
    <message>
        <source>N:</source>
        <translation>N:</translation>
    </message>
    <message>
        <source>K:</source>
        <translation>K:</translation>
    </message>
    <message>
        <source>Compute choices</source>
        <translation>Compute choices</translation>
    </message>
    <message>
        <source>Force= N * Velocity</source>
        <translation>Force = N * Velocity</translation>
    </message>
    <message>
        <source>Force= N * Mass * Velocity </source>
        <translation>Force = N * Mass * Velocity</translation>
    </message>
    <message>
        <source>Force= N * Cubage * Velocity</source>
        <translation>Force = N * Cubage * Velocity</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>The parameter &apos;N&apos; must be biger than zero.</source>
        <translation>The parameter &apos;N&apos; must be bigger than zero.</translation>
    </message>
    <message>
        <source>Do you want to delete this damp field ?</source>
        <translation>Do you want to delete this damp field?</translation>
    </message>
</context>
<context>
    <name>TForm25</name>
    <message>
        <source>Experiment data</source>
        <translation>Experiment data</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Ball:</source>
        <translation>Ball:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>t:</source>
        <translation>t:</translation>
    </message>
    <message>
        <source>(s)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Place:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>(m)</source>
        <translation>(m)</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>velocity</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>vx:</source>
        <translation>vx:</translation>
    </message>
    <message>
        <source>(m/s)</source>
        <translation>(m/s)</translation>
    </message>
    <message>
        <source>vy:</source>
        <translation>vy:</translation>
    </message>
    <message>
        <source>|v|:</source>
        <translation>|v|:</translation>
    </message>
    <message>
        <source>θ:</source>
        <translation>θ:</translation>
    </message>
    <message>
        <source>(deg)</source>
        <translation>(deg)</translation>
    </message>
    <message>
        <source>acceleration</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>ax:</source>
        <translation>ax:</translation>
    </message>
    <message>
        <source>(m/s  )</source>
        <translation>(m/s  )</translation>
    </message>
    <message>
        <source>ay:</source>
        <translation>ay:</translation>
    </message>
    <message>
        <source>|a|:</source>
        <translation>|a|:</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Every ball</source>
        <translation>Every ball</translation>
    </message>
    <message>
        <source>Record the experiment data</source>
        <translation>Record the experiment data</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>The recorded data of this run has not been saved. Save it now?</source>
        <translation>The recorded data of this run has not been saved. Save it now?</translation>
    </message>
    <message>
        <source>The file holds the first %1 ticks of the run.</source>
        <translation>The file holds the first %1 ticks of the run.</translation>
    </message>
    <message>
        <source>Write the values of every tick of this run to a CSV file</source>
        <translation>Write the values of every tick of this run to a CSV file</translation>
    </message>
    <message>
        <source>Record the values of every ball, not only the one shown, from the next tick on</source>
        <translation>Record the values of every ball, not only the one shown, from the next tick on</translation>
    </message>
</context>
<context>
    <name>TForm26</name>
    <message>
        <source>SynchronizationData out set</source>
        <translation>Synchronization data out set</translation>
    </message>
    <message>
        <source>Show moving object</source>
        <translation>Show moving object</translation>
    </message>
    <message>
        <source>&apos;s moving data.</source>
        <translation>&apos;s moving data.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>don&apos;t show</source>
        <translation>don&apos;t show</translation>
    </message>
</context>
<context>
    <name>TForm27</name>
    <message>
        <source>Remark set</source>
        <translation>Remark set</translation>
    </message>
    <message>
        <source>Remark text:</source>
        <translation>Remark text:</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>&amp;Colour</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Do you want to delete this remark ?</source>
        <translation>Do you want to delete this remark?</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colour</translation>
    </message>
</context>
<context>
    <name>TForm29</name>
    <message>
        <source>Time T</source>
        <translation>Time T</translation>
    </message>
    <message>
        <source>position X</source>
        <translation>position X</translation>
    </message>
    <message>
        <source>position Y</source>
        <translation>position Y</translation>
    </message>
    <message>
        <source>distance |r|</source>
        <translation>distance |r|</translation>
    </message>
    <message>
        <source>velocity Vx</source>
        <translation>velocity Vx</translation>
    </message>
    <message>
        <source>velocity Vy</source>
        <translation>velocity Vy</translation>
    </message>
    <message>
        <source>velocity |V|</source>
        <translation>velocity |V|</translation>
    </message>
    <message>
        <source>acceleration ax</source>
        <translation>acceleration ax</translation>
    </message>
    <message>
        <source>acceleration ay</source>
        <translation>acceleration ay</translation>
    </message>
    <message>
        <source>acceleration |a|</source>
        <translation>acceleration |a|</translation>
    </message>
    <message>
        <source>The Start time must be bigger than zero.</source>
        <translation>The start time must be bigger than zero.</translation>
    </message>
    <message>
        <source>The End time must be bigger than the start time.</source>
        <translation>The end time must be bigger than the start time.</translation>
    </message>
    <message>
        <source>The scale of coordinate can not be zero.</source>
        <translation>The scale of a coordinate cannot be zero.</translation>
    </message>
    <message>
        <source>Please set the curve object first.</source>
        <translation>Please set the curve object first.</translation>
    </message>
    <message>
        <source>Experiment curve</source>
        <translation>Experiment curve</translation>
    </message>
    <message>
        <source>Curve name:</source>
        <translation>Curve name:</translation>
    </message>
    <message>
        <source>Start time:</source>
        <translation>Start time:</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>End time:</translation>
    </message>
    <message>
        <source>(s)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>Horizontal variable:</source>
        <translation>Horizontal variable:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Vertical variable:</source>
        <translation>Vertical variable:</translation>
    </message>
    <message>
        <source>Object set</source>
        <translation>Object set</translation>
    </message>
    <message>
        <source>Draw curve</source>
        <translation>Draw curve</translation>
    </message>
    <message>
        <source>Save to bmp</source>
        <translation>Save to BMP</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Save data...</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Copy data</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Join points</source>
        <translation>Join points</translation>
    </message>
    <message>
        <source>Draw Curve</source>
        <translation>Draw curve</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source> is not a real nember.</source>
        <translation> is not a real number.</translation>
    </message>
    <message>
        <source>生成实验曲线图象</source>
        <translation>Make the experiment curve picture</translation>
    </message>
    <message>
        <source>(图象 *.Bmp) (*.bmp);;PNG picture (*.png)</source>
        <translation>Picture (*.bmp);;PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Save the curve data</source>
        <translation>Save the curve data</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>The picture could not be written to %1.</translation>
    </message>
    <message>
        <source>The file holds the first %1 samples of the curve.</source>
        <translation>The file holds the first %1 samples of the curve.</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>The real length must be bigger than zero.</source>
        <translation>The real length must be bigger than zero.</translation>
    </message>
    <message>
        <source>Coordinate scale set</source>
        <translation>Coordinate scale set</translation>
    </message>
    <message>
        <source>Please make a felicitous scale .</source>
        <translation>Please make a felicitous scale.</translation>
    </message>
    <message>
        <source>Length in the screen:</source>
        <translation>Length on the screen:</translation>
    </message>
    <message>
        <source>Real length:</source>
        <translation>Real length:</translation>
    </message>
    <message>
        <source>(meter)</source>
        <translation>(meter)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TForm30</name>
    <message>
        <source>Curve object set</source>
        <translation>Curve object set</translation>
    </message>
    <message>
        <source>Curve object set:</source>
        <translation>Curve object set:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TForm31</name>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
</context>
<context>
    <name>TForm32</name>
    <message>
        <source>Parameter adjust</source>
        <translation>Parameter adjust</translation>
    </message>
    <message>
        <source>Please choose the object to adjust:</source>
        <translation>Please choose the object to adjust:</translation>
    </message>
    <message>
        <source>Object type:</source>
        <translation>Object type:</translation>
    </message>
    <message>
        <source>Correlative object:</source>
        <translation>Correlative object:</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Adjust</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Moving object</source>
        <translation>Moving object</translation>
    </message>
    <message>
        <source>Dot electric field</source>
        <translation>Dot electric field</translation>
    </message>
    <message>
        <source>Uniformity electric field</source>
        <translation>Uniform electric field</translation>
    </message>
    <message>
        <source>Uniformity magnetic field</source>
        <translation>Uniform magnetic field</translation>
    </message>
    <message>
        <source>Universal &amp;gravitation mass</source>
        <translation>Universal gravitation mass</translation>
    </message>
    <message>
        <source>Damp field</source>
        <translation>Damping field</translation>
    </message>
    <message>
        <source>Pensile cord</source>
        <translation>Pensile cord</translation>
    </message>
    <message>
        <source>Link cord</source>
        <translation>Link cord</translation>
    </message>
    <message>
        <source>Pensile pole</source>
        <translation>Pensile pole</translation>
    </message>
    <message>
        <source>Link pole</source>
        <translation>Link pole</translation>
    </message>
    <message>
        <source>Pensile spring</source>
        <translation>Pensile spring</translation>
    </message>
    <message>
        <source>Link spring</source>
        <translation>Link spring</translation>
    </message>
    <message>
        <source>Rectilineal track</source>
        <translation>Rectilineal track</translation>
    </message>
    <message>
        <source>Circular track</source>
        <translation>Circular track</translation>
    </message>
    <message>
        <source>Choose:</source>
        <translation>Choose: </translation>
    </message>
    <message>
        <source> from </source>
        <translation> from </translation>
    </message>
</context>
<context>
    <name>TForm33</name>
    <message>
        <source>Pensile cord set</source>
        <translation>Pensile cord set</translation>
    </message>
    <message>
        <source>Do you want to delete this cord ?</source>
        <translation>Do you want to delete this cord?</translation>
    </message>
</context>
<context>
    <name>TForm37</name>
    <message>
        <source>Link cord set</source>
        <translation>Link cord set</translation>
    </message>
    <message>
        <source>Do you want to delete this cord ?</source>
        <translation>Do you want to delete this cord?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>TForm39</name>
    <message>
        <source>Pensile pole set</source>
        <translation>Pensile pole set</translation>
    </message>
    <message>
        <source>Do you want to delete this pole ?</source>
        <translation>Do you want to delete this pole?</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Moving object set</source>
        <translation>Moving object set</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Mass M：</source>
        <translation>Mass M:</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Radius R：</source>
        <translation>Radius R:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Coulomb Q：</source>
        <translation>Coulomb Q:</translation>
    </message>
    <message>
        <source>coulomb</source>
        <translation>coulomb</translation>
    </message>
    <message>
        <source>Initial place:</source>
        <translation>Initial place:</translation>
    </message>
    <message>
        <source>X：</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y：</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Initial velocity:</source>
        <translation>Initial velocity:</translation>
    </message>
    <message>
        <source>Vx：</source>
        <translation>Vx:</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Vy：</source>
        <translation>Vy:</translation>
    </message>
    <message>
        <source>Another force:</source>
        <translation>Another force:</translation>
    </message>
    <message>
        <source>Fx：</source>
        <translation>Fx:</translation>
    </message>
    <message>
        <source>newton</source>
        <translation>newton</translation>
    </message>
    <message>
        <source>Fy：</source>
        <translation>Fy:</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Show moving track</source>
        <translation>Show moving track</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>This is a wrong data! The ball&apos;s radius can not smaller than zero.</source>
        <translation>This is wrong data! The ball&apos;s radius cannot be smaller than zero.</translation>
    </message>
    <message>
        <source>The mass of a moving object must be greater than zero.</source>
        <translation>The mass of a moving object must be greater than zero.</translation>
    </message>
    <message>
        <source>First,you must delete spring,cord and pole which linked with the ball.</source>
        <translation>First, you must delete the springs, cords and poles linked with the ball.</translation>
    </message>
    <message>
        <source>meter</source>
        <translation> meters</translation>
    </message>
    <message>
        <source>Do you want to delete this moving object?</source>
        <translation>Do you want to delete this moving object?</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>In this coordinate setting,the ball&apos;s radius must be smaller than </source>
        <translation>In this coordinate setting, the ball&apos;s radius must be smaller than </translation>
    </message>
    <message>
        <source>The ball&apos;s radius can not smaller than zero.</source>
        <translation>The ball&apos;s radius cannot be smaller than zero.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>In this coordinate setting,the ball&apos;s position is too far away to be shown.</source>
        <translation>In this coordinate setting, the ball's position is too far away to be shown.</translation>
    </message>
</context>
<context>
    <name>TForm41</name>
    <message>
        <source>Link pole set</source>
        <translation>Link pole set</translation>
    </message>
    <message>
        <source>Do you want to delete this pole ?</source>
        <translation>Do you want to delete this pole?</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>experiment set</source>
        <translation>Experiment set</translation>
    </message>
    <message>
        <source>experimnet compute step time</source>
        <translation>Experiment computation step time</translation>
    </message>
    <message>
        <source>T:</source>
        <translation>T:</translation>
    </message>
    <message>
        <source>(S)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>How many steps to be dealed together :</source>
        <translation>How many steps to be dealt with together:</translation>
    </message>
    <message>
        <source>Function set:</source>
        <translation>Function set:</translation>
    </message>
    <message>
        <source>show coordinate</source>
        <translation>Show coordinates</translation>
    </message>
    <message>
        <source>consider the gravitation</source>
        <translation>Consider the gravitation</translation>
    </message>
    <message>
        <source>consider the theory of relativity</source>
        <translation>Consider the theory of relativity</translation>
    </message>
    <message>
        <source>consider each Universal gravitation</source>
        <translation>Consider mutual universal gravitation</translation>
    </message>
    <message>
        <source>consider each electric charge attraction</source>
        <translation>Consider mutual electric charge attraction</translation>
    </message>
    <message>
        <source>consider each bump</source>
        <translation>Consider mutual bumps</translation>
    </message>
    <message>
        <source>Accurate step (keeps energy and momentum on long runs)</source>
        <translation>Accurate step (keeps energy and momentum on long runs)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>The step time must be biger than zero.</source>
        <translation>The step time must be bigger than zero.</translation>
    </message>
    <message>
        <source>The steps together must be biger than 1.</source>
        <translation>The steps together must be bigger than 1.</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Dot electric field set</source>
        <translation>Dot electric field set</translation>
    </message>
    <message>
        <source>name：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Place：</source>
        <translation>Place:</translation>
    </message>
    <message>
        <source>Coulomb :</source>
        <translation>Coulomb:</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>The dot&apos;s Coulomb can not be zero.</source>
        <translation>The dot&apos;s Coulomb cannot be zero.</translation>
    </message>
    <message>
        <source>Do you want to delete this electric dot?</source>
        <translation>Do you want to delete this electric dot?</translation>
    </message>
</context>
<context>
    <name>TForm9</name>
    <message>
        <source>Universal gravitation mass set</source>
        <translation>Universal gravitation mass set</translation>
    </message>
    <message>
        <source>name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Place:</translation>
    </message>
    <message>
        <source>mass M:</source>
        <translation>Mass M:</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>The mass of it must be biger than zero.</source>
        <translation>Its mass must be bigger than zero.</translation>
    </message>
    <message>
        <source>Do you want to delete this mass dot?</source>
        <translation>Do you want to delete this mass dot?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>Motionbench</source>
        <translation>Motionbench</translation>
    </message>
</context>
</TS>
