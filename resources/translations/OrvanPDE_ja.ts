<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>Localizable</name>
    <message>
        <source>Image Options</source>
        <extracomment>Name of the Image Options panel in the host&apos;s panel pop-up.</extracomment>
        <translation>画像オプション</translation>
    </message>
    <message>
        <source>Job Type_Title</source>
        <extracomment>Name of the Job Type panel in the host&apos;s panel pop-up.</extracomment>
        <translation>印刷種類</translation>
    </message>
    <message>
        <source>Output Color:</source>
        <translation>カラー出力：</translation>
    </message>
    <message>
        <source>Image Quality:</source>
        <translation>画質：</translation>
    </message>
    <message>
        <source>Image Types:</source>
        <translation>画像の種類：</translation>
    </message>
    <message>
        <source>Screen:</source>
        <extracomment>Halftone screen (dot pattern) used for printing.</extracomment>
        <translation>スクリーン：</translation>
    </message>
    <message>
        <source>Image adjust mode:</source>
        <translation>画像調整モード：</translation>
    </message>
    <message>
        <source>GrayGuarantee</source>
        <extracomment>Check box: gray and black parts are printed with black toner only.</extracomment>
        <translation>グレー保証</translation>
    </message>
    <message>
        <source>Toner Saving Mode:</source>
        <translation>トナー節約モード：</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ：</translation>
    </message>
    <message>
        <source>Darker</source>
        <extracomment>The Orvan printer description&apos;s Brightness choices, shown at the ends and in the middle of the brightness slider.</extracomment>
        <translation>暗く</translation>
    </message>
    <message>
        <source>Slightly Darker</source>
        <translation>やや暗く</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Slightly Lighter</source>
        <translation>やや明るく</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>明るく</translation>
    </message>
    <message>
        <source>Color Balance...</source>
        <extracomment>Button that opens the Color Balance dialog.</extracomment>
        <translation>カラーバランス...</translation>
    </message>
    <message>
        <source>Color output</source>
        <extracomment>Caption beside the output colour pop-up; shown dimmed while the output is gray.</extracomment>
        <translation>カラー印刷</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Button that puts the settings back to the printer&apos;s defaults.</extracomment>
        <translation>標準に戻す</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Name of the help button (shown as a question mark).</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Color Balance</source>
        <extracomment>Title of the Color Balance dialog.</extracomment>
        <translation>カラーバランス</translation>
    </message>
    <message>
        <source>Adjust Color Balance</source>
        <extracomment>Check box that switches the adjustment on.</extracomment>
        <translation>カラーバランスを調整する</translation>
    </message>
    <message>
        <source>Target Color</source>
        <extracomment>Label of the pop-up that picks the toner to adjust.</extracomment>
        <translation>対象色</translation>
    </message>
    <message>
        <source>Hightlights</source>
        <extracomment>Tone range: highlights (the key is spelled as the code looks it up).</extracomment>
        <translation>ハイライト</translation>
    </message>
    <message>
        <source>Midtones</source>
        <extracomment>Tone range.</extracomment>
        <translation>中間調</translation>
    </message>
    <message>
        <source>Shadows</source>
        <extracomment>Tone range.</extracomment>
        <translation>シャドウ</translation>
    </message>
    <message>
        <source>Highlights value</source>
        <extracomment>Spoken name of the Highlights field (screen readers).</extracomment>
        <translation>ハイライトの値</translation>
    </message>
    <message>
        <source>Midtones value</source>
        <extracomment>Spoken name of the Midtones field (screen readers).</extracomment>
        <translation>中間調の値</translation>
    </message>
    <message>
        <source>Shadows value</source>
        <extracomment>Spoken name of the Shadows field (screen readers).</extracomment>
        <translation>シャドウの値</translation>
    </message>
    <message>
        <source>Highlights adjustment</source>
        <extracomment>Spoken name of the Highlights up/down arrows (screen readers).</extracomment>
        <translation>ハイライトの調整</translation>
    </message>
    <message>
        <source>Midtones adjustment</source>
        <extracomment>Spoken name of the Midtones up/down arrows (screen readers).</extracomment>
        <translation>中間調の調整</translation>
    </message>
    <message>
        <source>Shadows adjustment</source>
        <extracomment>Spoken name of the Shadows up/down arrows (screen readers).</extracomment>
        <translation>シャドウの調整</translation>
    </message>
    <message>
        <source>Increase</source>
        <extracomment>Spoken name of a stepper's up arrow (screen readers).</extracomment>
        <translation>増やす</translation>
    </message>
    <message>
        <source>Decrease</source>
        <extracomment>Spoken name of a stepper's down arrow (screen readers).</extracomment>
        <translation>減らす</translation>
    </message>
    <message>
        <source>Black</source>
        <extracomment>Toner colour.</extracomment>
        <translation>ブラック</translation>
    </message>
    <message>
        <source>Cyan</source>
        <extracomment>Toner colour.</extracomment>
        <translation>シアン</translation>
    </message>
    <message>
        <source>Magenta</source>
        <extracomment>Toner colour.</extracomment>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>Toner colour.</extracomment>
        <translation>イエロー</translation>
    </message>
    <message>
        <source>Job Type</source>
        <extracomment>Label of the job type pop-up.</extracomment>
        <translation>印刷種類：</translation>
    </message>
    <message>
        <source>Setup...</source>
        <extracomment>Button that opens the Secure Print dialog.</extracomment>
        <translation>設定...</translation>
    </message>
    <message>
        <source>Normal Print</source>
        <translation>通常印刷</translation>
    </message>
    <message>
        <source>Secure Print</source>
        <extracomment>Print held at the printer until the user enters the passcode there; also the title of its dialog.</extracomment>
        <translation>セキュリティ印刷</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ユーザーID</translation>
    </message>
    <message>
        <source>Secure Print Passcode</source>
        <extracomment>Numeric passcode entered at the printer to release the job.</extracomment>
        <translation>セキュリティ印刷パスワード</translation>
    </message>
    <message>
        <source>Job Name</source>
        <translation>ジョブ名</translation>
    </message>
    <message>
        <source>New Job Name</source>
        <translation>新しいジョブ名</translation>
    </message>
    <message>
        <source>Up to 12 characters</source>
        <extracomment>Hint beside the new job name field.</extracomment>
        <translation>12文字以内</translation>
    </message>
    <message>
        <source>Use Existing Name</source>
        <extracomment>Job name mode: keep the document&apos;s name.</extracomment>
        <translation>既存の名前を使用</translation>
    </message>
    <message>
        <source>Enter Name Mode</source>
        <extracomment>Job name mode: type a new job name.</extracomment>
        <translation>名前を入力</translation>
    </message>
    <message>
        <source>Invalid value in User ID.</source>
        <extracomment>Alert message.</extracomment>
        <translation>ユーザーIDの値が正しくありません。</translation>
    </message>
    <message>
        <source>Specify within a range of 1 to 8 alphanumeric characters.</source>
        <extracomment>Alert informative text for the user ID.</extracomment>
        <translation>1～8文字の英数字で指定してください。</translation>
    </message>
    <message>
        <source>Invalid value in Secure Print Passcode.</source>
        <extracomment>Alert message.</extracomment>
        <translation>セキュリティ印刷パスワードの値が正しくありません。</translation>
    </message>
    <message>
        <source>Specify within a range of 1 to 12 alphanumeric characters.</source>
        <extracomment>Alert informative text for the passcode. The passcode field accepts digits only, so the translation says digits.</extracomment>
        <translation>1～12桁の数字で指定してください。</translation>
    </message>
    <message>
        <source>Secure Print needs its passcode.</source>
        <extracomment>Alert of a print run that cannot ask (unattended): the job is Secure Print, but no passcode was kept from the last run.</extracomment>
        <translation>セキュリティ印刷にはパスワードが必要です。</translation>
    </message>
    <message>
        <source>Open the dialog and enter it under Job Type &gt; Setup..., or choose Normal Print.</source>
        <extracomment>Informative text of that alert; Job Type, Setup... and Normal Print as the panel names them.</extracomment>
        <translation>ダイアログを開いて 印刷種類 &gt; 設定... で入力するか、通常印刷を選んでください。</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>Job Type</source>
        <extracomment>Title of the Job Type entry in the print dialog&apos;s summary.</extracomment>
        <translation>印刷種類</translation>
    </message>
</context>
</TS>
